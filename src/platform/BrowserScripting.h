#pragma once
// Running a generated tab-listing script against one browser, addressed by
// its bundle identifier. The script reads two parallel lists from the
// browser, the titles and the addresses of the tabs of its open windows.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

class BrowserScripting {
public:
    // Error numbers a script run can report.
    static constexpr qint64 automationRefused = -1743; // the user refused control of the browser
    static constexpr qint64 processNotAvailable = -600; // the target process is not available

    struct Outcome {
        // False when the script object could not be made from the source.
        bool compiled = true;
        // True when execution reported an error; errorNumber and errorMessage
        // carry what the error said, each only when it had one.
        bool executionFailed = false;
        std::optional<qint64> errorNumber;
        std::optional<QString> errorMessage;
        // The result descriptor of a successful run. The capture script answers a
        // list of two lists (titles, addresses); an item without a string value
        // is an invalid QVariant.
        QVariant result;
        // What a successful run read to answer (session files), when the
        // backend says, and what it found but could not read (in the user's
        // words): a run that read nothing can say so rather than "no tabs".
        std::optional<QStringList> read;
        QStringList problems;

        static Outcome success(const QVariant& result)
        {
            Outcome o;
            o.result = result;
            return o;
        }
        static Outcome notCompiled()
        {
            Outcome o;
            o.compiled = false;
            return o;
        }
        static Outcome error(std::optional<qint64> number, std::optional<QString> message = std::nullopt)
        {
            Outcome o;
            o.executionFailed = true;
            o.errorNumber = number;
            o.errorMessage = std::move(message);
            return o;
        }
    };

    virtual ~BrowserScripting() = default;

    // Blocks until the browser answered. Called off the main thread.
    virtual Outcome run(const QString& bundleIdentifier, const QString& source) = 0;
};
