// Errors raised by the framework. Every one carries its own text, which the application's
// default error report shows as it stands.
#pragma once

#include <QString>
#include <stdexcept>

class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// Reading or moving a data set that is closed, a statement the engine rejects, a file that is no
// database.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

// A missing resource, a file that cannot be created or written.
class EResourceError : public Exception {
public:
    using Exception::Exception;
};

class EFileError : public Exception {
public:
    using Exception::Exception;
};

// A value that does not fit its property.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A form description that cannot be read.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

// A component that refuses to be constructed or configured (the skin layer's "Sorry, ..." texts).
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// An operation the object's state does not allow (showing a visible form modally).
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

// A menu item put where it cannot go, or an index beyond a menu's items.
class EMenuError : public Exception {
public:
    using Exception::Exception;
};
