#pragma once
#include "platform/FocusedText.h"
#include "platform/Scheduler.h"

#include <QMap>
#include <QPointer>

// Text fields of a pretend desktop for tests. Each field has a number and a
// window; one of them (or none) has the focus. A capture remembers the field
// focused at that moment; setText writes into that field, whatever has the
// focus later. A field in `refusing` accepts text but refuses the write; one
// in `swallowing` answers the write with success and keeps its text; one in
// `silent` never answers a write or a reading. `paste` is what the focused
// application does on Ctrl+V.
class SimFocusedText final : public FocusedText {
public:
    struct Field {
        bool acceptsText = true;
        quint32 window = 1;
        QByteArray text;
        QString application = QStringLiteral("Sim Browser");
    };

    void capture(const QObject* context, std::function<void(FocusCapture)> done) override
    {
        FocusCapture c;
        c.window = focusedWindow();
        if (focused && fields.contains(*focused)) {
            c.element = std::make_shared<int>(*focused);
            c.acceptsText = fields.value(*focused).acceptsText;
            c.application = fields.value(*focused).application;
        }
        post(context, [done, c] { done(c); });
    }
    void setText(const FocusCapture& target, std::shared_ptr<const SecretText> text, const QObject* context,
        std::function<void(bool)> done) override
    {
        const int id = target.element ? *static_cast<int*>(target.element.get()) : -1;
        ++writes;
        if (silent.contains(id))
            return;
        bool ok = false;
        if (fields.contains(id) && !refusing.contains(id)) {
            if (!swallowing.contains(id))
                fields[id].text = QByteArray(text->bytes().constData(), text->bytes().size());
            ok = true;
        }
        post(context, [done, ok] { done(ok); });
    }
    void readText(
        const FocusCapture& target, const QObject* context, std::function<void(std::optional<TextState>)> done) override
    {
        const int id = target.element ? *static_cast<int*>(target.element.get()) : -1;
        if (silent.contains(id))
            return;
        std::optional<TextState> state;
        if (fields.contains(id)) {
            // Counted on the bytes: no decoded copy of a secret in memory.
            int characters = 0;
            for (const char byte : fields.value(id).text)
                characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
            state = TextState { characters, characters };
        }
        post(context, [done, state] { done(state); });
    }
    std::optional<quint32> focusedWindow() const override
    {
        if (focusedWindowOverride)
            return focusedWindowOverride;
        if (focused && fields.contains(*focused))
            return fields.value(*focused).window;
        return std::nullopt;
    }

    // The focused field takes `bytes` at its end, as an application does when
    // Ctrl+V reaches it.
    void paste(QByteArrayView bytes)
    {
        if (focused && fields.contains(*focused) && fields.value(*focused).acceptsText)
            fields[*focused].text.append(bytes.data(), bytes.size());
    }

    QMap<int, Field> fields;
    QList<int> refusing;
    QList<int> swallowing;
    QList<int> silent;
    std::optional<int> focused;
    std::optional<quint32> focusedWindowOverride;
    int writes = 0;

private:
    static void post(const QObject* context, const std::function<void()>& task)
    {
        Scheduler::shared().post([alive = QPointer<const QObject>(context), hasContext = context != nullptr, task] {
            if (!hasContext || alive)
                task();
        });
    }
};
