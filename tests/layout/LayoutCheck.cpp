#include "layout/LayoutCheck.h"

#include "editors/KeyStrip.h"
#include "settings/IconViews.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextItem>
#include <QToolButton>
#include <QXmlStreamReader>

#include <cmath>

namespace {

const QChar kEllipsis(0x2026);

// A paint device that keeps the text drawn on it and nothing else.
class TextEngine final : public QPaintEngine {
public:
    TextEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawPath(const QPainterPath&) override { }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override { }
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        // A line set in two fonts (a fallback for some letters) arrives in
        // runs: a run that starts where the last one ended on the same
        // baseline continues it.
        const QPointF start = painter()->transform().map(at);
        if (!texts.isEmpty() && std::abs(start.y() - m_end.y()) < 0.5 && std::abs(start.x() - m_end.x()) < 1.5)
            texts.last() += item.text();
        else
            texts << item.text();
        m_end = painter()->transform().map(at + QPointF(item.width(), 0));
    }
    Type type() const override { return QPaintEngine::User; }
    QStringList texts;

private:
    QPointF m_end;
};

class TextDevice final : public QPaintDevice {
public:
    explicit TextDevice(QSize size)
        : m_size(size)
    {
    }
    QPaintEngine* paintEngine() const override { return &m_engine; }
    QStringList texts() const { return m_engine.texts; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmWidthMM:
            return m_size.width() * 254 / 960;
        case PdmHeightMM:
            return m_size.height() * 254 / 960;
        case PdmNumColors:
            return 1 << 24;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    QSize m_size;
    mutable TextEngine m_engine;
};

QString describe(const QWidget* w)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text();
    QString name = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty())
        name += QLatin1Char('#') + w->objectName();
    if (!text.isEmpty())
        name += QStringLiteral(" \"") + text.left(60) + QLatin1Char('"');
    return name;
}

QString path(const QWidget* w, const QWidget* root)
{
    QStringList parts;
    for (const QWidget* p = w; p && p != root; p = p->parentWidget())
        parts.prepend(describe(p));
    return parts.join(QStringLiteral(" > "));
}

bool isScrollViewport(const QWidget* w)
{
    const auto* area = w ? qobject_cast<const QAbstractScrollArea*>(w->parentWidget()) : nullptr;
    return area && area->viewport() == w;
}

// Parts a scroll area or the style manages: scroll bars and their containers.
bool isChrome(const QWidget* w)
{
    // An overlay (a cross-fade, a field's clear button) lies over its
    // siblings by design.
    return qobject_cast<const QScrollBar*>(w) || w->objectName().startsWith(QLatin1String("qt_"))
        || w->property("overlay").toBool();
}

// The text a plain widget wants room for and has not.
QString textProblem(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                return QStringLiteral("wrapped text taller (%1) than its label (%2)")
                    .arg(label->heightForWidth(label->width()))
                    .arg(label->height());
            // One word longer than the label's width cannot wrap.
            if (label->minimumSizeHint().width() > label->width())
                return QStringLiteral("a word wider (%1) than its label (%2)")
                    .arg(label->minimumSizeHint().width())
                    .arg(label->width());
            return {};
        }
        if (label->sizeHint().width() > label->width() || label->sizeHint().height() > label->height() + 2)
            return QStringLiteral("text needs %1x%2, label is %3x%4")
                .arg(label->sizeHint().width())
                .arg(label->sizeHint().height())
                .arg(room.width())
                .arg(room.height());
        return {};
    }
    // Drawn controls that set their text themselves: it must fit as drawn.
    if (const auto* tab = qobject_cast<const TabButton*>(w)) {
        const TabButton::Title title = tab->title(tab->width());
        const QFontMetrics fm(title.font);
        const QRect room(0, 0, tab->width() - 4, tab->height() - 33);
        const QRect need = fm.boundingRect(room, title.wraps ? int(Qt::TextWordWrap) : 0, tab->text());
        if (need.width() > room.width() || need.height() > room.height())
            return QStringLiteral("title needs %1x%2, has %3x%4")
                .arg(need.width())
                .arg(need.height())
                .arg(room.width())
                .arg(room.height());
        return {};
    }
    if (const auto* strip = qobject_cast<const KeyStrip*>(w)) {
        for (const QRectF& cap : strip->capRects()) {
            if (!QRectF(strip->rect()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(cap))
                return QStringLiteral("a key cap reaches out of its strip");
        }
        return {};
    }
    const bool standardButton = qobject_cast<const QPushButton*>(w) || qobject_cast<const QCheckBox*>(w)
        || qobject_cast<const QRadioButton*>(w) || qobject_cast<const QToolButton*>(w) || w->inherits("SegmentButton");
    if (standardButton) {
        const auto* button = static_cast<const QAbstractButton*>(w);
        if (button->text().isEmpty())
            return {};
        const QSize want = button->sizeHint();
        if (want.width() > button->width() || want.height() > button->height() + 2)
            return QStringLiteral("button needs %1x%2, has %3x%4")
                .arg(want.width())
                .arg(want.height())
                .arg(button->width())
                .arg(button->height());
    }
    return {};
}

void walk(const QWidget* w, const QWidget* root, QStringList& out)
{
    const QString problem = textProblem(w);
    if (!problem.isEmpty())
        out << path(w, root) + QStringLiteral(": ") + problem;
    QList<const QWidget*> children;
    for (const QObject* o : w->children()) {
        const auto* c = qobject_cast<const QWidget*>(o);
        if (c && !c->isWindow() && c->isVisibleTo(root) && !isChrome(c) && !c->geometry().isEmpty())
            children << c;
    }
    const bool scrolls = isScrollViewport(w);
    for (const QWidget* c : children) {
        const QRect g = c->geometry();
        const bool inside = scrolls ? (g.left() >= 0 && g.right() < w->width()) : w->rect().contains(g);
        if (!inside)
            out << path(c, root)
                    + QStringLiteral(": cut by its parent (%1,%2 %3x%4 in %5x%6)")
                          .arg(g.x())
                          .arg(g.y())
                          .arg(g.width())
                          .arg(g.height())
                          .arg(w->width())
                          .arg(w->height());
    }
    for (int i = 0; i < children.size(); ++i) {
        for (int j = i + 1; j < children.size(); ++j) {
            if (children[i]->geometry().intersects(children[j]->geometry()))
                out << path(children[i], root) + QStringLiteral(" overlaps ") + describe(children[j]);
        }
    }
    for (const QWidget* c : children)
        walk(c, root, out);
}

QRegularExpression patternOf(const QString& text)
{
    QString pattern = QRegularExpression::escape(text);
    static const QRegularExpression argument(QStringLiteral("%L?[0-9n]"));
    // escape() leaves '%' and digits alone; every argument matches any text.
    pattern.replace(argument, QStringLiteral(".*"));
    return QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$"));
}
}

namespace LayoutCheck {

QList<QRegularExpression> ownEllipses(const QString& code)
{
    QList<QRegularExpression> out;
    QFile file(QStringLiteral(KELVARO_SOURCE_DIR "/translations/kelvaro_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name != QLatin1String("source") && name != QLatin1String("translation")
            && name != QLatin1String("numerusform"))
            continue;
        const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        if (text.contains(kEllipsis))
            out << patternOf(text);
    }
    return out;
}

QStringList paintedTexts(QWidget* widget)
{
    TextDevice device(widget->size());
    widget->render(&device);
    return device.texts();
}

QStringList problems(QWidget* window, const QList<QRegularExpression>& ownEllipses)
{
    QStringList out;
    walk(window, window, out);
    for (const QString& text : paintedTexts(window)) {
        if (!text.contains(kEllipsis))
            continue;
        const bool own = std::any_of(ownEllipses.begin(), ownEllipses.end(),
            [&](const QRegularExpression& e) { return e.match(text).hasMatch(); });
        if (!own)
            out << QStringLiteral("painted cut: \"%1\"").arg(text);
    }
    return out;
}

}
