#include "support/TestSupport.h"

#include "core/Hotkey.h"
#include "platform/Log.h"
#include "ringkit/RingAnimation.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {
QTemporaryDir* g_root = nullptr; // made by this process, removed at its end
QString g_rootPath;
}

QString TestSupport::tempRoot() { return g_rootPath.isEmpty() ? QDir::tempPath() : g_rootPath; }

int TestSupport::pixelsChangedOutside(const QImage& before, const QImage& after, const QRegion& area)
{
    const QImage a = before.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = after.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (a.size() != b.size())
        return a.width() * a.height();
    int changed = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            changed += p[x] != q[x] && !area.contains(QPoint(x, y));
    }
    return changed;
}

int TestSupport::largestChannelDifference(const QImage& first, const QImage& second)
{
    const QImage a = first.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = second.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (a.size() != b.size())
        return 255;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            worst = std::max({ worst, std::abs(qAlpha(p[x]) - qAlpha(q[x])), std::abs(qRed(p[x]) - qRed(q[x])),
                std::abs(qGreen(p[x]) - qGreen(q[x])), std::abs(qBlue(p[x]) - qBlue(q[x])) });
    }
    return worst;
}

void TestSupport::isolateEnvironment()
{
    // A test's child process (this binary again) works in its parent's
    // folder: one killed on purpose would leave its own behind.
    const QString inherited = qEnvironmentVariable("KELVARO_TEST_ROOT");
    if (!inherited.isEmpty() && QDir(inherited).exists()) {
        g_rootPath = inherited;
    } else {
        g_root = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/kelvaro-test-XXXXXX"));
        g_rootPath = g_root->path();
        qputenv("KELVARO_TEST_ROOT", g_rootPath.toUtf8());
    }
    const QString root = g_rootPath;
    for (const char* sub : { "home", "config", "data", "cache", "runtime" })
        QDir(root).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(
        root + QStringLiteral("/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", (root + QStringLiteral("/home")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (root + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_CACHE_HOME", (root + QStringLiteral("/cache")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", (root + QStringLiteral("/runtime")).toUtf8());
}

void TestSupport::removeEnvironment() { delete std::exchange(g_root, nullptr); }

TestSupport::SimEnvironment::SimEnvironment()
    : m_log(std::make_shared<QStringList>())
    , m_previousDisplay(AnimationEngine::shared().display())
    , m_previousLayout(Hotkey::layout())
{
    AnimationEngine::shared().useDisplay(&m_sim.displayPreferences());
    Hotkey::useLayout(&m_sim.keyboardLayout());
    auto log = m_log;
    Log::setSink([log](const QString& line) { log->append(line); });
}

TestSupport::SimEnvironment::~SimEnvironment()
{
    AnimationEngine::shared().useDisplay(m_previousDisplay);
    Hotkey::useLayout(m_previousLayout);
    Log::setSink({});
}
