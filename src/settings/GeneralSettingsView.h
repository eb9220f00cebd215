#pragma once
// The General page: interface language, login item, usage data, how rings
// are held and where they open, appearance, ring size and animation speed,
// the centre icon's tilt, and the About block with the version and the
// update checks. Every control writes straight into its store, and shows
// a change made elsewhere when its own setting changes.

#include "core/AppSettings.h"

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSlider;
class Platform;
class UpdateChecker;

class GeneralSettingsView : public QWidget {
    Q_OBJECT
public:
    GeneralSettingsView(const Platform& platform, UpdateChecker& updates, QWidget* parent = nullptr);

    // "Small" below 0.85, "Medium" below 1.15, else "Large".
    static QString scaleLabel(double ringScale);
    // "Relaxed" below 0.85, "Normal" below 1.35, else "Brisk".
    static QString speedLabel(double animationSpeed);
    // "1.4 (57)".
    static QString versionText();

    QSlider* ringSizeSlider() const { return m_ringSize; }
    QSlider* speedSlider() const { return m_speed; }
    QCheckBox* followPointer() const { return m_followPointer; }
    QCheckBox* usageData() const { return m_usageData; }
    QCheckBox* openAtLogin() const { return m_openAtLogin; }
    QCheckBox* automaticChecks() const { return m_automaticChecks; }
    QCheckBox* tilt() const { return m_tilt; }
    QButtonGroup* activation() const { return m_activation; }
    QButtonGroup* placement() const { return m_placement; }
    QButtonGroup* appearance() const { return m_appearance; }
    QPushButton* checkNow() const { return m_checkNow; }
    QLabel* updateStatus() const { return m_updateStatus; }

    // Shows the setting's current value in its control.
    void showSetting(AppSettings::Key key);

private:
    void showUsageData();
    void showAutomaticChecks();
    void refreshUpdates();

    const Platform& m_platform;
    UpdateChecker& m_updates;
    QCheckBox* m_openAtLogin = nullptr;
    QCheckBox* m_usageData = nullptr;
    QButtonGroup* m_activation = nullptr;
    QLabel* m_activationText = nullptr;
    QButtonGroup* m_placement = nullptr;
    QLabel* m_placementText = nullptr;
    QCheckBox* m_followPointer = nullptr;
    QButtonGroup* m_appearance = nullptr;
    QSlider* m_ringSize = nullptr;
    QLabel* m_ringSizeLabel = nullptr;
    QSlider* m_speed = nullptr;
    QLabel* m_speedLabel = nullptr;
    QCheckBox* m_tilt = nullptr;
    QLabel* m_reduceMotionNote = nullptr;
    QCheckBox* m_automaticChecks = nullptr;
    QPushButton* m_checkNow = nullptr;
    QProgressBar* m_checking = nullptr;
    QLabel* m_updateStatus = nullptr;
    QPushButton* m_updateLink = nullptr;
};
