// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutwindow.h"

#include "about/aboutconstants.h"
#include "about/aboutlogo.h"
#include "platform/urlopener.h"
#include "platform/username.h"
#include "widgets/bevelline.h"
#include "widgets/textroom.h"
#include "widgets/uifont.h"
#include "widgets/windowplacement.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QColor TitleColour(44, 44, 44);
const QColor Navy(0, 0, 128);

int textWidth(const QLabel* label) {
    return int(std::ceil(QFontMetricsF(label->font()).horizontalAdvance(label->text())));
}

// Single-line labels keep their designed box unless this system's font needs more room,
// so no text is ever cut off.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& box,
                  const QFont& font, std::optional<QColor> colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setForegroundRole(QPalette::WindowText);
    if (colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *colour);
        label->setPalette(palette);
    }
    label->setGeometry(box.x(), box.y(), std::max(box.width(), textWidth(label)), box.height());
    return label;
}

QWidget* makeRule(QWidget* parent, const QString& name, int x, int y, int width) {
    auto* rule = new BevelLine(Qt::Horizontal, parent);
    rule->setObjectName(name);
    rule->setGeometry(x, y, width, 9);
    return rule;
}

QPixmap logoPixmap(qreal devicePixelRatio) {
    constexpr int size = 48;
    QPixmap logo = QPixmap::fromImage(drawLarkspanLogo(int(std::ceil(size * devicePixelRatio))));
    logo.setDevicePixelRatio(devicePixelRatio);
    return logo;
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(u"frmAbout"_qs);
    setWindowTitle(tr("About"));
    setFixedSize(487, 337);
    setFont(uiFont(12));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    new CentreOnFirstShow(this);

    const QFont text = uiFont(12);

    m_logo = new QLabel(this);
    m_logo->setObjectName(u"ImgLogo"_qs);
    m_logo->setPixmap(logoPixmap(devicePixelRatioF()));
    m_logo->setGeometry(8, 8, 48, 48);

    m_title = makeLabel(this, u"lblAppTitle"_qs, u"Larkspan 2.8"_qs, {62, 8, 173, 17}, uiFont(13),
                        TitleColour);
    m_version = makeLabel(this, u"lblVersion"_qs, tr("Build %1").arg(u"3.29"_qs), {62, 31, 51, 15},
                          text, Qt::black);
    m_spacer = makeRule(this, u"Spacer1"_qs, 8, 65, 229);

    m_copyright = new QLabel(this);
    m_copyright->setObjectName(u"StaticText1"_qs);
    m_copyright->setText(
        tr("Larkspan is a FREE management tool that allows you to build custom menus to simplify "
           "administration of a computer tasks and accessing management console files, "
           "shell commands, run commands,  installed applications or any data type and folder "
           "location."));
    m_copyright->setFont(text);
    m_copyright->setWordWrap(true);
    m_copyright->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_copyright->setForegroundRole(QPalette::WindowText);
    // Grows downwards, into free space, only if this system's font wraps into more lines.
    m_copyright->setGeometry(8, 80, 465, std::max(65, m_copyright->heightForWidth(465)));

    m_author =
        makeLabel(this, u"lblAurth"_qs, tr("Developed by "), {8, 271, 75, 15}, text, Qt::black);

    // Sized to the name alone, so only the name is a link; it follows the words directly.
    m_webSite = makeLabel(this, u"Label1"_qs, About::DeveloperName.toString(),
                          {std::max(84, m_author->geometry().right() + 2), 271, 0, 15}, text, Navy);
    m_webSite->setCursor(Qt::PointingHandCursor);
    m_webSite->installEventFilter(this);

    m_bevel = makeRule(this, u"Bevel1"_qs, 8, 292, 471);
    m_userLabel = makeLabel(this, u"lblReg"_qs, QString(), {8, 296, 140, 15}, text, std::nullopt);
    m_userName = makeLabel(this, u"lblName"_qs, u"#text#"_qs, {8, 314, 0, 15}, text, Navy);

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(u"cmdOK"_qs);
    m_okButton->setGeometry(417, 302, 62, 28);
    widenToText(m_okButton, true);
    m_okButton->setDefault(true);
    m_okButton->setFocus();
    connect(m_okButton, &QPushButton::clicked, this, &AboutWindow::closeWindow);

    showUserName();
}

void AboutWindow::showUserName() {
    // Read once: every showing in this run shows the same name.
    m_userName->setText(GetCurrentUserName());
    fitNameLabel();
}

void AboutWindow::fitNameLabel() {
    // Sized to the name, but stopping short of the OK button; the tooltip gives a long
    // name whole.
    const int room = m_okButton->geometry().left() - 8 - m_userName->x();
    const int needed = textWidth(m_userName);
    m_userName->resize(std::min(needed, room), m_userName->height());
    m_userName->setToolTip(needed > room ? m_userName->text() : QString());
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    // A click is a press and a release of the left button, both on the name.
    if (watched == m_webSite) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_linkPressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = m_linkPressed && mouse->button() == Qt::LeftButton &&
                               m_webSite->rect().contains(mouse->position().toPoint());
            m_linkPressed = false;
            if (click)
                openWebSite();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::openWebSite() {
    UrlOpener::open(QUrl(About::DeveloperPage.toString()));
}

void AboutWindow::closeWindow() {
    accept();
}
