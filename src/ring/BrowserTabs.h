#pragma once
// The open tabs of the supported browsers: which browsers are running, the
// generated tab-listing script for each, and the tabs it answers.

#include "platform/Workspace.h"

#include <QList>
#include <QString>
#include <nlohmann/json.hpp>
#include <memory>
#include <optional>

struct Browser {
    enum class Family { chromium, safari, gecko };

    QString id; // bundle identifier
    QString name; // display name, stored in every captured tab
    Family family = Family::chromium;

    bool operator==(const Browser&) const = default;

    // The tab property the script reads as the title.
    QString titleProperty() const;

    // True when one of `running` has this bundle identifier (exact).
    bool isRunning(const QList<RunningApplication>& running) const;

    // The supported browsers, in capture order (Firefox last).
    static const QList<Browser>& all();
    // `all()` filtered by isRunning, in the same order.
    static QList<Browser> running(const QList<RunningApplication>& running);
};

class BrowserScripting;
class Platform;

class BrowserTabs {
public:
    BrowserTabs() = delete;

    struct Tab {
        QString title;
        QString url;
        std::optional<QString> iconFile;
        std::optional<QString> browser;

        bool operator==(const Tab&) const = default;
        const QString& id() const { return url; }

        // {"title","url"[,"iconFile"][,"browser"]} in that order.
        nlohmann::ordered_json toJson() const;
        // Nothing when a required key is missing or a value has the wrong type.
        static std::optional<Tab> fromJson(const nlohmann::json& json);
    };

    struct CaptureError {
        enum class Kind { permissionDenied, failed, noneRunning };
        Kind kind = Kind::failed;
        // permissionDenied: the browser's name. failed: the browser whose tabs
        // could not be read, when the message is the generic one.
        QString browserName;
        // failed: the browser's own message; none stands for the localized
        // "Could not read …'s tabs." text. permissionDenied: the file or
        // folder the user may not read, when the backend named it.
        std::optional<QString> message;

        static CaptureError permissionDenied(const QString& name)
        {
            return { Kind::permissionDenied, name, std::nullopt };
        }
        static CaptureError failed(const QString& message) { return { Kind::failed, QString(), message }; }
        static CaptureError couldNotRead(const QString& name) { return { Kind::failed, name, std::nullopt }; }
        static CaptureError noneRunning() { return { Kind::noneRunning, QString(), std::nullopt }; }

        bool operator==(const CaptureError&) const = default;
        // Localized at the time it is asked for (main thread).
        QString errorDescription() const;
    };

    // What one capture keeps. No real browser session comes near these; a
    // session log with megabytes of addresses (a data: address is the usual
    // monster) must not become a settings file too large to read back.
    static constexpr int maxTabs = 2000;
    static constexpr int maxAddressLength = 8192; // longer addresses leave their tab out
    static constexpr int maxTitleLength = 1024; // longer titles are shortened

    // The tabs a capture left out, by reason.
    struct LeftOut {
        int longAddress = 0; // the address is longer than maxAddressLength
        int beyondLimit = 0; // past the first maxTabs
        int tooLarge = 0; // the capture as a whole would not fit among those kept
        bool any() const { return longAddress + beyondLimit + tooLarge > 0; }
        LeftOut& operator+=(const LeftOut& o)
        {
            longAddress += o.longAddress;
            beyondLimit += o.beyondLimit;
            tooLarge += o.tooLarge;
            return *this;
        }
    };

    // What a capture found of one running browser, for telling the user
    // which browsers were read and what each gave.
    struct Reading {
        QString browserName;
        int tabs = 0; // the web pages it gave
        bool sessionFound = false; // a session file of it was read
        QStringList problems; // what was found but could not be read
        std::optional<CaptureError> error; // why it gave nothing at all
        bool operator==(const Reading&) const = default;
        // A sentence for a browser that gave nothing or not all it has;
        // empty for one read whole. Localized (main thread).
        QString description() const;
    };

    // Either tabs or an error; the readings of every running browser in both cases.
    struct CaptureResult {
        QList<Tab> tabs;
        std::optional<CaptureError> error;
        LeftOut leftOut;
        QList<Reading> readings;
        bool ok() const { return !error.has_value(); }
    };

    // What a capture reads: the applications running when it was asked for
    // (the workspace answers on the main thread only) and the backend that
    // reads the browsers (from any thread; shared, as a capture left running
    // at quit may outlive the platform).
    struct Sources {
        std::shared_ptr<BrowserScripting> scripting;
        QList<RunningApplication> running;
        // Main thread.
        static Sources of(const Platform& platform);
    };

    // `tabs` within the bounds above, in order, titles shortened; what was
    // left out is added to `leftOut`.
    static QList<Tab> bounded(const QList<Tab>& tabs, LeftOut* leftOut);

    // The script sent to `browser`: thirteen lines joined by line feeds.
    static QString captureScript(const Browser& browser);

    // Both block while the browsers answer: never on the main thread.
    // `captureAll` bounds the tabs of all browsers together.
    static CaptureResult capture(const Browser& browser, const Sources& sources);
    static CaptureResult captureAll(const Sources& sources);
};
