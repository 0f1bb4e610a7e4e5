// The real program on a private X server, as the end-to-end tests drive it: a private runtime
// folder, the program's copies, the desktop tools, and the evidence kept when a test fails.
#pragma once

#include "ProgramUnderTest.h"
#include "X11Desktop.h"
#include "XvfbSession.h"
#include "app/StatusTexts.h"
#include "tests/support/QtPrinting.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#ifndef DUANXIN_E2E_ARTIFACTS
#error "DUANXIN_E2E_ARTIFACTS must name the folder for pictures and logs of failed tests"
#endif

inline const QString kTitle = QStringLiteral("短信查询 V1.0");
inline const QString kBoxCaption = StatusTexts::kApplicationTitle;
inline const QString kFullListing = QStringLiteral("共26753条短信记录");

// Window coordinates: the skinned frame sits at (1, 0) inside the window.
inline const QRect kWindowGeometry(405, 172, 500, 453);
inline const QPoint kStatusLine(1 + 6 + 489 / 2, 0 + 424 + 19 / 2);
inline const QPoint kSpringFestivalLabel(1 + 96 + 13, 0 + 72 + 6);
inline const QPoint kRefreshButton(1 + 383 + 51 / 2, 0 + 39 + 25 / 2);
inline const QPoint kQuitButton(1 + 408 + 80 / 2, 0 + 389 + 27 / 2);
inline const QPoint kCopyButton(1 + 438 + 51 / 2, 0 + 39 + 25 / 2);

inline constexpr int kWindowTimeoutMs = 20000;
inline constexpr int kExitTimeoutMs = 10000;

class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work_.isValid()) << work_.errorString().toStdString();
        runtime_ = work_.filePath(QStringLiteral("runtime"));
        ASSERT_TRUE(QDir().mkdir(runtime_));
        ASSERT_TRUE(QFile::setPermissions(
            runtime_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        ASSERT_TRUE(xvfb_.start(work_.filePath(QStringLiteral("xvfb.log"))))
            << xvfb_.error().toStdString();
        desktop_ = std::make_unique<X11Desktop>(xvfb_.display());
    }

    void TearDown() override {
        if (HasFailure() && desktop_)
            keepEvidence();
        programs_.clear();
        xvfb_.stop();
    }

    // Starts a copy of the program with this test's runtime folder and waits for its window.
    void launch(ProgramUnderTest*& program, QString& window) {
        start(program);
        ASSERT_TRUE(program) << "the program did not start";
        const std::optional<QString> found = waitForWindow(*program, kTitle, kWindowTimeoutMs);
        ASSERT_TRUE(found) << "no window \"" << kTitle.toStdString() << "\" appeared; program "
                           << program->exitDescription().toStdString();
        window = *found;
    }

    // Starts a copy of the program without waiting for a window; null when it did not start.
    void start(ProgramUnderTest*& program) {
        const QString log =
            work_.filePath(QStringLiteral("program-%1.log").arg(programs_.size() + 1));
        programs_.push_back(std::make_unique<ProgramUnderTest>(xvfb_.display(), runtime_, log));
        program = programs_.back().get();
        program->prependToPath(pathPrefix_);
        if (!program->start()) {
            ADD_FAILURE() << program->error().toStdString();
            program = nullptr;
        }
    }

    // The program's window of that title once it shows, while the program runs.
    std::optional<QString> waitForWindow(const ProgramUnderTest& program, const QString& title,
                                         int timeoutMs) {
        QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            if (auto found = desktop_->findWindow(program.pid(), title))
                return found;
            if (!program.running() || deadline.hasExpired())
                return std::nullopt;
            QThread::msleep(100);
        }
    }

    // Waits for one of the program's message boxes and closes it with Enter.
    bool dismissBox(const ProgramUnderTest& program) {
        const std::optional<QString> box = waitForWindow(program, kBoxCaption, 5000);
        return box && desktop_->focus(*box) && desktop_->keys({QStringLiteral("Return")});
    }

    // Copies the status line's whole text the way a user would: click into it, select all,
    // copy. Nothing when the clipboard stays empty.
    std::optional<QString> copyStatusLine(const QString& window) {
        if (!desktop_->focus(window)) {
            ADD_FAILURE() << "could not give the window " << window.toStdString() << " the focus";
            return std::nullopt;
        }
        if (!desktop_->click(window, kStatusLine)) {
            ADD_FAILURE() << "could not click into the status line";
            return std::nullopt;
        }
        if (!desktop_->keys({QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")})) {
            ADD_FAILURE() << "could not press ctrl+a, ctrl+c";
            return std::nullopt;
        }
        QDeadlineTimer deadline(3000);
        for (;;) {
            if (auto text = desktop_->clipboardText(); text && !text->isEmpty())
                return text;
            if (deadline.hasExpired())
                return std::nullopt;
            QThread::msleep(100);
        }
    }

    // Waits until the clipboard holds `expected`; the last text seen otherwise.
    std::optional<QString> waitForClipboard(const QString& expected) {
        std::optional<QString> text;
        QDeadlineTimer deadline(3000);
        do {
            text = desktop_->clipboardText();
            if (text == expected)
                break;
            QThread::msleep(100);
        } while (!deadline.hasExpired());
        return text;
    }

    void closeWithSignal(ProgramUnderTest& program, int signal) {
        ASSERT_TRUE(program.sendSignal(signal));
        ASSERT_TRUE(program.waitForExit(kExitTimeoutMs))
            << "the program did not end within " << kExitTimeoutMs << " ms";
    }

    bool libraryFileExists() const {
        return QFile::exists(runtime_ + QStringLiteral("/duanxin/_.dll"));
    }

    QTemporaryDir work_;
    QString runtime_;
    QString pathPrefix_; // put before PATH for the programs started
    XvfbSession xvfb_;
    std::unique_ptr<X11Desktop> desktop_;
    std::vector<std::unique_ptr<ProgramUnderTest>> programs_;

private:
    // Keeps a picture of the screen and the programs' output of a failed test.
    void keepEvidence() {
        const QString dir = QStringLiteral(DUANXIN_E2E_ARTIFACTS);
        QDir().mkpath(dir);
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        QString name =
            QString::fromStdString(std::string(info->test_suite_name()) + "." + info->name());
        name.replace(QLatin1Char('/'), QLatin1Char('_'));
        const QString picture = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (desktop_->screenshot(picture))
            std::cout << "screen at the failure: " << picture.toStdString() << '\n';
        for (std::size_t i = 0; i < programs_.size(); ++i)
            std::cout << "output of copy " << i + 1 << " ("
                      << programs_[i]->exitDescription().toStdString() << "):\n"
                      << programs_[i]->log().toStdString() << '\n';
    }
};
