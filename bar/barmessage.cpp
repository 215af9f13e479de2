// SPDX-License-Identifier: GPL-3.0-or-later
#include "bar/barmessage.h"

#include "bar/menulogic.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int ShownMs = 8000;
const QString ObjectName = u"barMessage"_qs;

class BarMessage : public QLabel {
public:
    BarMessage(QWidget* bar, const QString& summary, const QString& body)
        : QLabel(bar, Qt::ToolTip | Qt::FramelessWindowHint) {
        setObjectName(ObjectName);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_DeleteOnClose);
        setTextFormat(Qt::RichText);
        setText(u"<b>%1</b><br>%2"_qs.arg(summary.toHtmlEscaped(), body.toHtmlEscaped()));
        setWordWrap(true);
        setMargin(6);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setAutoFillBackground(true);
        setFixedWidth(bar->width());
        setFixedHeight(heightForWidth(width()));
        const QRect screen = bar->screen()->availableGeometry();
        move(placeMenu(size(), bar->frameGeometry(), screen).topLeft());
        QTimer::singleShot(ShownMs, this, &QWidget::close);
    }

protected:
    void mousePressEvent(QMouseEvent*) override { close(); }
};

} // namespace

void showBarMessage(QWidget* bar, const QString& summary, const QString& body) {
    if (!bar->isVisible())
        return;
    if (auto* earlier = bar->findChild<QLabel*>(ObjectName, Qt::FindDirectChildrenOnly))
        earlier->close();
    (new BarMessage(bar, summary, body))->show();
}
