#include "services/UpdateNoticeView.h"

#include "core/AppSettings.h"
#include "core/SymbolIcons.h"
#include "services/UpdateChecker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr int kSymbolSize = 40;
constexpr int kNotesMaxHeight = 84;
constexpr int kContentMargin = 28;
constexpr int kButtonMargin = 24;
constexpr int kButtonBottom = 20;

QFont scaledFont(const QFont& base, qreal factor, QFont::Weight weight)
{
    QFont f = base;
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * factor);
    else
        f.setPixelSize(qRound(f.pixelSize() * factor));
    f.setWeight(weight);
    return f;
}
}

UpdateNoticeView::UpdateNoticeView(UpdateChecker& checker, std::function<void()> onClose, QWidget* parent)
    : QWidget(parent)
    , m_checker(checker)
    , m_onClose(std::move(onClose))
{
    setFixedSize(windowSize());
    const QFont headlineFont = scaledFont(font(), 1.15, QFont::DemiBold);
    const QFont calloutFont = scaledFont(font(), 0.92, QFont::Normal);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addStretch(1);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(kContentMargin, 0, kContentMargin, 0);
    content->setSpacing(10);
    m_symbol = new QLabel(this);
    m_symbol->setAlignment(Qt::AlignCenter);
    m_symbol->setFixedSize(kSymbolSize, kSymbolSize);
    content->addWidget(m_symbol, 0, Qt::AlignHCenter);

    m_headline = new QLabel(this);
    m_headline->setTextFormat(Qt::PlainText);
    m_headline->setAlignment(Qt::AlignCenter);
    m_headline->setWordWrap(true);
    m_headline->setFont(headlineFont);
    content->addWidget(m_headline);

    m_detail = new QLabel(this);
    m_detail->setTextFormat(Qt::PlainText);
    m_detail->setAlignment(Qt::AlignCenter);
    m_detail->setWordWrap(true);
    m_detail->setFont(calloutFont);
    m_detail->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QPalette secondary = m_detail->palette();
    QColor dim = secondary.color(QPalette::WindowText);
    dim.setAlphaF(0.6);
    secondary.setColor(QPalette::WindowText, dim);
    m_detail->setPalette(secondary);
    content->addWidget(m_detail);

    m_notesArea = new QScrollArea(this);
    m_notesArea->setFrameShape(QFrame::NoFrame);
    m_notesArea->setWidgetResizable(true);
    m_notesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_notesArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_notesArea->setMaximumHeight(kNotesMaxHeight);
    m_notes = new QLabel;
    m_notes->setTextFormat(Qt::PlainText);
    m_notes->setWordWrap(true);
    m_notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_notes->setFont(calloutFont);
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notesArea->setWidget(m_notes);
    content->addWidget(m_notesArea);
    root->addLayout(content);

    root->addStretch(1);

    // Button row: one of two sets, by outcome.
    auto* rows = new QHBoxLayout;
    rows->setContentsMargins(kButtonMargin, 0, kButtonMargin, kButtonBottom);
    rows->setSpacing(0);
    m_availableRow = new QWidget(this);
    auto* available = new QHBoxLayout(m_availableRow);
    available->setContentsMargins(0, 0, 0, 0);
    available->setSpacing(10);
    m_skip = new QPushButton(m_availableRow);
    m_skip->setFlat(true);
    m_skip->setFont(calloutFont);
    m_skip->setPalette(secondary);
    m_skip->setCursor(Qt::PointingHandCursor);
    m_later = new QPushButton(m_availableRow);
    m_download = new QPushButton(m_availableRow);
    available->addWidget(m_skip);
    available->addSpacerItem(new QSpacerItem(8, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    available->addWidget(m_later);
    available->addWidget(m_download);

    m_otherRow = new QWidget(this);
    auto* other = new QHBoxLayout(m_otherRow);
    other->setContentsMargins(0, 0, 0, 0);
    other->setSpacing(10);
    m_ok = new QPushButton(m_otherRow);
    other->addSpacerItem(new QSpacerItem(8, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    other->addWidget(m_ok);
    rows->addWidget(m_availableRow);
    rows->addWidget(m_otherRow);
    root->addLayout(rows);

    // Return presses the default button whatever has the focus; the host
    // window need not be a dialog.
    for (QPushButton* b : { m_skip, m_later, m_download, m_ok })
        b->setAutoDefault(false);
    m_download->setDefault(true);
    m_ok->setDefault(true);
    for (int key : { int(Qt::Key_Return), int(Qt::Key_Enter) }) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, &UpdateNoticeView::pressDefault);
    }

    auto closeAfter = [this](std::function<void()> action) {
        return [this, action = std::move(action)] {
            if (action)
                action();
            if (m_onClose)
                m_onClose();
        };
    };
    connect(m_skip, &QPushButton::clicked, this, closeAfter([this] {
        if (m_checker.outcome().kind == UpdateChecker::Outcome::Available)
            m_checker.skip(m_checker.outcome().manifest);
    }));
    connect(m_later, &QPushButton::clicked, this, closeAfter({}));
    connect(m_download, &QPushButton::clicked, this, closeAfter([this] {
        if (m_checker.outcome().kind == UpdateChecker::Outcome::Available)
            m_checker.download(m_checker.outcome().manifest);
    }));
    connect(m_ok, &QPushButton::clicked, this, closeAfter({}));

    connect(&m_checker, &UpdateChecker::outcomeChanged, this, &UpdateNoticeView::render);
    AppSettings::shared().onChange(this, { AppSettings::Key::language }, [this] { render(); });
    render();
}

QString UpdateNoticeView::windowTitle() { return QCoreApplication::translate("Kelvaro", "Software Update"); }

QPushButton* UpdateNoticeView::defaultButton() const
{
    QPushButton* b = m_checker.outcome().kind == UpdateChecker::Outcome::Available ? m_download : m_ok;
    return b->isEnabled() ? b : nullptr;
}

void UpdateNoticeView::pressDefault()
{
    if (QPushButton* b = defaultButton())
        b->click();
}

void UpdateNoticeView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::PaletteChange)
        render();
    QWidget::changeEvent(event);
}

void UpdateNoticeView::render()
{
    using Kind = UpdateChecker::Outcome::Kind;
    const UpdateChecker::Outcome& o = m_checker.outcome();
    const QColor green(52, 199, 89);
    QColor tint = green;
    QString headline;
    QString detail;
    switch (o.kind) {
    case Kind::Available:
        m_symbolName = QStringLiteral("arrow.down.circle");
        tint = palette().color(QPalette::Highlight);
        headline = QCoreApplication::translate("Kelvaro", "A new version is available");
        detail = QCoreApplication::translate("Kelvaro", "Kelvaro %1 is ready. You have %2.")
                     .arg(o.manifest.version, UpdateChecker::currentVersion());
        break;
    case Kind::Failed:
        // Every failure, a build without an update feed included.
        m_symbolName = QStringLiteral("exclamationmark.triangle");
        tint = QColor(255, 149, 0);
        headline = QCoreApplication::translate("Kelvaro", "Couldn't check for updates");
        detail = QCoreApplication::translate("Kelvaro", o.message.toUtf8().constData());
        break;
    case Kind::Checking:
        m_symbolName = QStringLiteral("arrow.triangle.2.circlepath");
        headline = QCoreApplication::translate("Kelvaro", "Checking for updates…");
        break;
    case Kind::UpToDate:
        m_symbolName = QStringLiteral("checkmark.circle");
        headline = QCoreApplication::translate("Kelvaro", "You're up to date");
        detail = QCoreApplication::translate("Kelvaro", "Kelvaro %1 is the latest version.")
                     .arg(UpdateChecker::currentVersion());
        break;
    case Kind::Idle:
        m_symbolName = QStringLiteral("checkmark.circle");
        headline = QCoreApplication::translate("Kelvaro", "You're up to date");
        break;
    }

    m_symbolTint = tint;
    m_symbol->setPixmap(SymbolIcons::pixmap(m_symbolName, kSymbolSize, tint, devicePixelRatioF()));
    m_headline->setText(headline);
    m_detail->setText(detail);
    m_detail->setVisible(!detail.isEmpty());

    const bool available = o.kind == Kind::Available;
    const bool showNotes = available && o.manifest.notes && !o.manifest.notes->isEmpty();
    m_notesArea->setVisible(showNotes);
    m_notes->setText(showNotes ? *o.manifest.notes : QString());
    if (showNotes) {
        // As tall as the notes need, never more than the box.
        const int width
            = windowSize().width() - 2 * kContentMargin - m_notesArea->verticalScrollBar()->sizeHint().width();
        m_notesArea->setFixedHeight(qMin(kNotesMaxHeight, m_notes->heightForWidth(width)));
        m_notesArea->verticalScrollBar()->setValue(0);
    }

    m_skip->setText(QCoreApplication::translate("Kelvaro", "Skip This Version"));
    m_later->setText(QCoreApplication::translate("Kelvaro", "Later"));
    m_download->setText(QCoreApplication::translate("Kelvaro", "Download"));
    m_ok->setText(QCoreApplication::translate("Kelvaro", "OK"));
    m_ok->setEnabled(o.kind != Kind::Checking);
    m_availableRow->setVisible(available);
    m_otherRow->setVisible(!available);
    setLocale(AppSettings::shared().resolvedLocale());
}
