// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/applicationpicker.h"

#include "platform/entryicons.h"
#include "widgets/uifont.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

constexpr int IconSize = 24;

// A blank one where there is none, so that every name starts at the same place.
QIcon iconFor(const QString& icon) {
    const QIcon found = iconOfDesktopEntry(icon);
    if (!found.isNull())
        return found;
    QPixmap blank(IconSize, IconSize);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

// Rows as high as the icons, which the style would otherwise clip to the text's height.
class IconHighRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(qMax(size.height(), IconSize + 4));
        return size;
    }
};

// Up and Down in the filter field move through the list, so that typing and choosing need
// no change of focus.
class FilterField : public QLineEdit {
public:
    FilterField(QWidget* parent, QListWidget* list) : QLineEdit(parent), m_list(list) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
            event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)
            QCoreApplication::sendEvent(m_list, event);
        else
            QLineEdit::keyPressEvent(event);
    }

private:
    QListWidget* m_list;
};

} // namespace

ApplicationPicker::ApplicationPicker(QWidget* parent) : QDialog(parent) {
    setObjectName(u"frmApplications"_qs);
    setWindowTitle(tr("Add installed application"));
    setFont(uiFont(12));
    resize(360, 440);
    m_applicationList = new QListWidget(this);
    m_applicationList->setObjectName(u"LstApplications"_qs);
    m_applicationList->setIconSize({IconSize, IconSize});
    m_applicationList->setItemDelegate(new IconHighRows(m_applicationList));
    m_applicationList->setUniformItemSizes(true);
    m_filter = new FilterField(this, m_applicationList);
    m_filter->setObjectName(u"txtFilter"_qs);
    m_filter->setPlaceholderText(tr("Filter"));
    m_filter->setClearButtonEnabled(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"cmdOK"_qs);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"cmdCancel"_qs);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filter);
    layout->addWidget(m_applicationList);
    layout->addWidget(buttons);

    connect(m_filter, &QLineEdit::textChanged, this, &ApplicationPicker::filterChanged);
    connect(m_applicationList, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // OK only while a line is chosen.
    connect(m_applicationList, &QListWidget::currentRowChanged, this, [this, buttons] {
        buttons->button(QDialogButtonBox::Ok)
            ->setEnabled(m_applicationList->currentRow() >= 0 &&
                         !m_applicationList->currentItem()->isHidden());
    });
}

void ApplicationPicker::load(const QList<DesktopEntry>& applications) {
    m_applications = applications;
    m_applicationList->clear();
    for (const DesktopEntry& application : applications)
        m_applicationList->addItem(
            new QListWidgetItem(iconFor(application.icon), application.name));
    m_filter->clear();
    filterChanged({});
    m_filter->setFocus();
}

void ApplicationPicker::filterChanged(const QString& text) {
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < m_applicationList->count(); ++i) {
        QListWidgetItem* item = m_applicationList->item(i);
        item->setHidden(!item->text().contains(text.trimmed(), Qt::CaseInsensitive));
        if (!first && !item->isHidden())
            first = item;
    }
    m_applicationList->setCurrentItem(first);
}

std::optional<DesktopEntry> ApplicationPicker::chosen() const {
    const int row = m_applicationList->currentRow();
    if (result() != Accepted || row < 0 || m_applicationList->item(row)->isHidden())
        return std::nullopt;
    return m_applications[row];
}
