#pragma once
// A representative ring frame assembled from the drawing kit: a band, twelve
// labelled wedges with icons, a six-card window arc and the centre icon on a
// 700-point stage. Shared by the drawing benchmark and the gallery test.

#include "ringkit/CenterAppIcon.h"
#include "ringkit/RingEffects.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingShapes.h"
#include "ringkit/RingText.h"
#include "ringkit/WindowArcCard.h"
#include "ringkit/WindowArcGeometry.h"

#include <QIcon>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <vector>

struct RingFrameSample {
    static constexpr double stage = 700.0;
    static constexpr int wedgeCount = 12;
    static constexpr int cardCount = 6;

    std::vector<QIcon> icons;
    std::vector<QString> names;
    RingBand band;
    RingPalette palette;
    int selectedWedge = 2;
    int selectedCard = 3;
    mutable RingLayerCache restLayer; // band, wedges and cards at rest
    mutable RingLayerCache arcLayer; // the card arc (it only fades while opening)
    mutable std::vector<RingLayerCache> wedgeLayers = std::vector<RingLayerCache>(wedgeCount);
    mutable std::vector<RingBlurCache> labelBlurs = std::vector<RingBlurCache>(wedgeCount); // labels while opening
    mutable RingBlurLayer blurLayer; // the whole ring while opening
    mutable WindowArcCardCache cards; // card slabs, turned to where they stand

    explicit RingFrameSample(bool dark = false)
    {
        palette.dark = dark;
        for (int i = 0; i < wedgeCount; ++i) {
            QPixmap pm(128, 128);
            pm.fill(Qt::transparent);
            QPainter p(&pm);
            p.setRenderHint(QPainter::Antialiasing);
            QLinearGradient g(0, 0, 0, 128);
            g.setColorAt(0, QColor::fromHsv((i * 30) % 360, 160, 250));
            g.setColorAt(1, QColor::fromHsv((i * 30 + 20) % 360, 220, 180));
            p.setBrush(g);
            p.setPen(Qt::NoPen);
            p.drawRoundedRect(QRectF(4, 4, 120, 120), 28, 28);
            p.setPen(Qt::white);
            QFont f = p.font();
            f.setPixelSize(64);
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRectF(0, 0, 128, 128), Qt::AlignCenter, QString(QChar(u'A' + i)));
            p.end();
            icons.emplace_back(pm);
            names.push_back(i % 3 == 0 ? QStringLiteral("Shortcut %1 with a longer name").arg(i + 1)
                                       : QStringLiteral("Item %1").arg(i + 1));
        }
    }

    // entry: 1 = at rest; below 1 the frame is part way between the hidden and settled poses.
    void paint(QPainter& p, double entry = 1.0) const
    {
        const QPointF c(stage / 2.0, stage / 2.0);
        const double dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
        if (entry >= 1.0) {
            // At rest nothing moves but the centre icon: one cached layer and the icon.
            const quint64 key = quint64(selectedWedge) << 8 | quint64(selectedCard) << 1 | (palette.dark ? 1 : 0);
            p.drawImage(QPointF(0, 0),
                restLayer.layer(key, QSizeF(stage, stage), dpr, [this](QPainter& lp) { paintContent(lp, 1.0); }));
            CenterAppIconView::paint(p, c, icons[size_t(selectedWedge)], 6.0, -9.0);
            return;
        }
        const double blur = RingMotion::wheelBlur(false, false) * (1.0 - entry);
        p.save();
        p.setOpacity(entry);
        if (RingBlurLayer::isWanted(blur)) {
            // The whole ring blurred: drawn at the resolution the blur leaves, then blurred.
            QRectF content(c.x() - 208, c.y() - 208, 416, 416); // the band's square
            for (int j = 0; j < cardCount; ++j)
                content |= card(j).bounds(c);
            blurLayer.draw(p, content, blur, dpr, [&](QPainter& lp, double) {
                paintContent(lp, entry);
                CenterAppIconView::paint(lp, c, icons[size_t(selectedWedge)], 6.0, -9.0);
            });
        } else {
            paintContent(p, entry);
            CenterAppIconView::paint(p, c, icons[size_t(selectedWedge)], 6.0, -9.0);
        }
        p.restore();
    }

    RingText::Stack wedgeLabel(int i) const
    {
        RingText::Stack label;
        label.icon = icons[size_t(i)];
        label.iconSize = QSizeF(26, 26);
        label.width = 104;
        label.spacing = 3;
        label.lines.push_back(
            { names[size_t(i)], RingText::systemFont(12, QFont::DemiBold), Qt::white, 2, Qt::ElideRight });
        label.lines.push_back({ QStringLiteral("Ctrl+Shift+%1").arg(QChar(u'A' + i)),
            RingText::systemFont(10, QFont::Medium), QColor::fromRgbF(1, 1, 1, 0.65f), 1, Qt::ElideMiddle });
        label.shadow = QColor::fromRgbF(0, 0, 0, 0.35f);
        label.shadowRadius = 3;
        label.shadowOffset = QPointF(0, 1);
        return label;
    }

    void paintWedge(QPainter& p, int i) const
    {
        const QPointF c(stage / 2.0, stage / 2.0);
        const bool selected = i == selectedWedge;
        const QRectF frame(c.x() - 190, c.y() - 190, 380, 380);
        const auto w = EnhancedTaperedSegmentShape::wedge(i, wedgeCount, 60, 190, 6, 4, 8);
        const QPainterPath path = w.path(frame);
        QLinearGradient g(frame.topLeft(), frame.bottomRight());
        if (selected) {
            g.setColorAt(0, palette.accent);
            g.setColorAt(1, palette.accent);
        } else {
            g.setColorAt(0, QColor::fromRgbF(1, 1, 1, 0.1f));
            g.setColorAt(1, QColor::fromRgbF(1, 1, 1, 0.05f));
        }
        p.setBrush(g);
        p.setPen(QPen(QColor::fromRgbF(1, 1, 1, selected ? 0.35f : 0.12f), 1.0));
        p.drawPath(path);
    }

    QPointF wedgeLabelCenter(int i) const
    {
        const auto w = EnhancedTaperedSegmentShape::wedge(i, wedgeCount, 60, 190, 6, 4, 8);
        const double ca = (w.outerStartAngle + w.outerEndAngle) / 2.0;
        const double r = (w.adjustedInnerRadius() + w.adjustedOuterRadius()) / 2.0;
        return { stage / 2.0 + r * std::cos(ca), stage / 2.0 + r * std::sin(ca) };
    }

    void paintContent(QPainter& p, double entry) const
    {
        const auto mix = [entry](double hidden, double settled) { return hidden + (settled - hidden) * entry; };
        const QPointF c(stage / 2.0, stage / 2.0);
        const double dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.translate(c);
        p.rotate(mix(RingMotion::wheelSpin(false, false), 0.0) * 180.0 / M_PI);
        p.translate(-c);

        if (entry >= 1.0) {
            band.paint(p, c, palette);
            for (int i = 0; i < wedgeCount; ++i) {
                paintWedge(p, i);
                RingText::draw(p, wedgeLabelCenter(i), wedgeLabel(i), i == selectedWedge ? 1.06 : 1.0);
            }
            paintArc(p);
            p.restore();
            return;
        }

        // Opening: the band's radii spring, so it is drawn afresh; each wedge
        // turns and scales as a whole, so it comes from its own cached layer.
        RingBand::paintDirect(p, c, mix(92.0, 60.0), mix(168.0, 190.0), palette);
        const double sharp
            = std::max(1.0, std::ceil(dpr * std::sqrt(std::abs(p.worldTransform().determinant())) * 2.0) / 2.0);
        for (int i = 0; i < wedgeCount; ++i) {
            p.save();
            const double scale = mix(0.72, 1.0);
            p.translate(c);
            p.rotate(mix(-10.0, 0.0));
            p.scale(scale, scale);
            p.translate(-c);
            // The wedge's own layer covers only its bounding box.
            const QRectF box = EnhancedTaperedSegmentShape::wedge(i, wedgeCount, 60, 190, 6, 4, 8)
                                   .path(QRectF(c.x() - 190, c.y() - 190, 380, 380))
                                   .boundingRect()
                                   .adjusted(-1, -1, 1, 1);
            p.drawImage(box.topLeft(),
                wedgeLayers[size_t(i)].layer(
                    quint64(i == selectedWedge), box.size(), sharp, [this, i, box](QPainter& lp) {
                        lp.translate(-box.topLeft());
                        paintWedge(lp, i);
                    }));
            // Labels are blurred as well: render them at the resolution the blur leaves.
            const double iconBlur = mix(RingMotion::iconBlur(false, false), 0.0);
            const double labelScale = std::max(
                0.25, std::round(RingEffects::blurLayerScale(std::max(iconBlur, 1.0 - entry), sharp) * 4.0) / 4.0);
            const QImage label = RingText::render(wedgeLabel(i), labelScale);
            const QImage& soft = labelBlurs[size_t(i)].blurred(label, iconBlur, false);
            const QPointF at = wedgeLabelCenter(i);
            p.translate(at);
            p.rotate(mix(-24.0, 0.0));
            const QSizeF labelSize(label.width() / labelScale, label.height() / labelScale);
            p.drawImage(QRectF(QPointF(-labelSize.width() / 2.0, -labelSize.height() / 2.0), labelSize), soft);
            p.restore();
        }
        p.drawImage(QPointF(0, 0),
            arcLayer.layer(quint64(selectedWedge) << 8 | quint64(selectedCard), QSizeF(stage, stage), sharp,
                [this](QPainter& lp) { paintArc(lp); }));
        p.restore();
    }

    void paintArc(QPainter& p) const
    {
        const QPointF c(stage / 2.0, stage / 2.0);
        for (int j = cardCount - 1; j >= 0; --j) {
            if (j != selectedCard)
                cards.paint(p, card(j), c, palette);
        }
        cards.paint(p, card(selectedCard), c, palette);
    }

    WindowArcSegmentView card(int j) const
    {
        WindowArcSegmentView v;
        v.title = QStringLiteral("Window %1 — quarterly report draft").arg(j + 1);
        v.isSelected = j == selectedCard;
        v.index = j;
        v.total = cardCount;
        v.arcCenterAngle = RingAngles::itemCenterAngle(selectedWedge, wedgeCount);
        v.radialGapInner = 9;
        return v;
    }
};
