// The connection to the message library. The program's stored values name the Jet OLE DB
// provider; SQLite stands in for it, opening the "Data Source" file read-only. No login prompt is
// ever shown. Closing closes every query on the connection first.
#pragma once

#include "framework/core/TComponent.h"

#include <QString>
#include <vector>

class TDataSet;
struct sqlite3;

class TADOConnection : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString ConnectionString READ ConnectionString WRITE SetConnectionString)
    Q_PROPERTY(bool LoginPrompt READ LoginPrompt WRITE SetLoginPrompt)
    Q_PROPERTY(bool Connected READ Connected WRITE SetConnected)
    Q_PROPERTY(QString Provider READ Provider WRITE SetProvider)
public:
    // The one provider this engine answers to, compared without regard to case.
    static constexpr const char* JetProvider = "Microsoft.Jet.OLEDB.4.0";

    explicit TADOConnection(TComponent* AOwner);
    ~TADOConnection() override;

    QString ConnectionString() const { return connectionString_; }
    // Raises EDatabaseError while connected.
    void SetConnectionString(const QString& text);
    bool LoginPrompt() const { return loginPrompt_; }
    void SetLoginPrompt(bool prompt) { loginPrompt_ = prompt; }
    bool Connected() const { return db_ != nullptr; }
    // While a form description is read, connecting waits for Loaded.
    void SetConnected(bool connected);
    // Used when the connection string names no provider.
    QString Provider() const { return provider_; }
    void SetProvider(const QString& provider) { provider_ = provider; }

    // Opening an open connection, or closing a closed one, does nothing.
    void Open();
    void Close();

    // The engine's handle while connected, otherwise null.
    sqlite3* Handle() const { return db_; }

    void Loaded() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TADOQuery; // joins and leaves

    void AttachDataSet(TDataSet* dataSet);
    void DetachDataSet(TDataSet* dataSet);
    // Database file named by the connection string, after the provider is checked.
    QString DatabasePath() const;
    void OpenDatabase(const QString& path);

    QString connectionString_;
    QString provider_ = QString::fromLatin1(JetProvider);
    bool loginPrompt_ = true;
    bool streamedConnected_ = false;  // Connected as read from a form description
    sqlite3* db_ = nullptr;           // owned
    std::vector<TDataSet*> dataSets_; // not owned; each tells us when it goes
};
