#pragma once
// The pop-up of the saved captures on the Tabs page: the selected capture's
// browser icon (the "square.on.square" symbol for a mixed capture), its name
// and its browser summary.

#include "settings/PageParts.h"

#include <QIcon>
#include <optional>

class CapturePopupButton : public PopupPickerButton {
    Q_OBJECT
public:
    CapturePopupButton(int height, QWidget* parent);
    void setCapture(std::optional<QIcon> icon, const QString& title, const QString& detail);
    bool showsAppIcon() const { return m_icon.has_value(); }

protected:
    void paintContent(QPainter& p, const QRectF& field, const QRectF& iconRect, double textLeft, double right,
        const QColor& accent) override;

private:
    std::optional<QIcon> m_icon;
    QString m_title;
    QString m_detail;
};
