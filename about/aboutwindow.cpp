#include "about/aboutwindow.h"

#include "about/aboutconstants.h"
#include "about/aboutlogo.h"
#include "platform/urlopener.h"
#include "platform/username.h"
#include "widgets/bevelline.h"
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
    setWindowTitle(u"About"_qs);
    setFixedSize(487, 337);
    setFont(uiFont(12));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    new CentreOnFirstShow(this);

    const QFont text = uiFont(12);

    ImgLogo = new QLabel(this);
    ImgLogo->setObjectName(u"ImgLogo"_qs);
    ImgLogo->setPixmap(logoPixmap(devicePixelRatioF()));
    ImgLogo->setGeometry(8, 8, 48, 48);

    lblAppTitle = makeLabel(this, u"lblAppTitle"_qs, u"Larkspan 2.8"_qs, {62, 8, 173, 17},
                            uiFont(13), TitleColour);
    lblVersion =
        makeLabel(this, u"lblVersion"_qs, u"Build 3.29"_qs, {62, 31, 51, 15}, text, Qt::black);
    Spacer1 = makeRule(this, u"Spacer1"_qs, 8, 65, 229);

    StaticText1 = new QLabel(this);
    StaticText1->setObjectName(u"StaticText1"_qs);
    StaticText1->setText(
        u"Larkspan is a FREE management tool that allows you to build custom menus to simplify "
        "administration of a computer tasks and accessing management console files, "
        "shell commands, run commands,  installed applications or any data type and folder "
        "location."_qs);
    StaticText1->setFont(text);
    StaticText1->setWordWrap(true);
    StaticText1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    StaticText1->setForegroundRole(QPalette::WindowText);
    // Grows downwards, into free space, only if this system's font wraps into more lines.
    StaticText1->setGeometry(8, 80, 465, std::max(65, StaticText1->heightForWidth(465)));

    lblAurth =
        makeLabel(this, u"lblAurth"_qs, u"Developed by "_qs, {8, 271, 75, 15}, text, Qt::black);

    // Sized to the name alone, so only the name is a link; it follows the words directly.
    Label1 = makeLabel(this, u"Label1"_qs, About::DeveloperName.toString(),
                       {std::max(84, lblAurth->geometry().right() + 2), 271, 0, 15}, text, Navy);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);

    Bevel1 = makeRule(this, u"Bevel1"_qs, 8, 292, 471);
    lblReg = makeLabel(this, u"lblReg"_qs, QString(), {8, 296, 140, 15}, text, std::nullopt);
    lblName = makeLabel(this, u"lblName"_qs, u"#text#"_qs, {8, 314, 0, 15}, text, Navy);

    cmdOK = new QPushButton(u"OK"_qs, this);
    cmdOK->setObjectName(u"cmdOK"_qs);
    cmdOK->setGeometry(417, 302, 62, 28);
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOKClick);

    FormCreate();
}

void AboutWindow::FormCreate() {
    // Read once: every showing in this run shows the same name.
    lblName->setText(GetCurrentUserName());
    fitNameLabel();
}

void AboutWindow::fitNameLabel() {
    // Sized to the name, but stopping short of the OK button; the tooltip gives a long
    // name whole.
    const int room = cmdOK->geometry().left() - 8 - lblName->x();
    const int needed = textWidth(lblName);
    lblName->resize(std::min(needed, room), lblName->height());
    lblName->setToolTip(needed > room ? lblName->text() : QString());
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    // A click is a press and a release of the left button, both on the name.
    if (watched == Label1) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_linkPressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = m_linkPressed && mouse->button() == Qt::LeftButton &&
                               Label1->rect().contains(mouse->position().toPoint());
            m_linkPressed = false;
            if (click)
                Label1Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::Label1Click() {
    UrlOpener::open(QUrl(About::DeveloperPage.toString()));
}

void AboutWindow::cmdOKClick() {
    accept();
}
