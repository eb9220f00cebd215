#pragma once
#include "platform/FocusedText.h"
#include "platform/Scheduler.h"

#include <QMap>
#include <QPointer>

// Text fields of a pretend desktop for tests. Each field has a number and a
// window; one of them (or none) has the focus. A capture remembers the field
// focused at that moment; setText writes into that field, whatever has the
// focus later. A field in `refusing` accepts text but refuses the write.
class SimFocusedText final : public FocusedText {
public:
    struct Field {
        bool acceptsText = true;
        quint32 window = 1;
        QByteArray text;
    };

    void capture(const QObject* context, std::function<void(FocusCapture)> done) override
    {
        FocusCapture c;
        c.window = focusedWindow();
        if (focused && fields.contains(*focused)) {
            c.element = std::make_shared<int>(*focused);
            c.acceptsText = fields.value(*focused).acceptsText;
        }
        post(context, [done, c] { done(c); });
    }
    void setText(const FocusCapture& target, std::shared_ptr<const SecretText> text, const QObject* context,
        std::function<void(bool)> done) override
    {
        bool ok = false;
        if (target.element) {
            const int id = *static_cast<int*>(target.element.get());
            if (fields.contains(id) && !refusing.contains(id)) {
                fields[id].text = QByteArray(text->bytes().constData(), text->bytes().size());
                ok = true;
            }
        }
        post(context, [done, ok] { done(ok); });
    }
    std::optional<quint32> focusedWindow() const override
    {
        if (focusedWindowOverride)
            return focusedWindowOverride;
        if (focused && fields.contains(*focused))
            return fields.value(*focused).window;
        return std::nullopt;
    }

    QMap<int, Field> fields;
    QList<int> refusing;
    std::optional<int> focused;
    std::optional<quint32> focusedWindowOverride;

private:
    static void post(const QObject* context, std::function<void()> task)
    {
        Scheduler::shared().post([alive = QPointer<const QObject>(context), hasContext = context != nullptr, task] {
            if (!hasContext || alive)
                task();
        });
    }
};
