#include "settings/applicationpicker.h"

#include "widgets/uifont.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QIcon iconFor(const QString& icon) {
    if (icon.isEmpty())
        return {};
    return icon.startsWith(u'/') ? QIcon(icon) : QIcon::fromTheme(icon);
}

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
    setWindowTitle(u"Add installed application"_qs);
    setFont(uiFont(12));
    resize(360, 440);
    LstApplications = new QListWidget(this);
    LstApplications->setObjectName(u"LstApplications"_qs);
    LstApplications->setIconSize({24, 24});
    LstApplications->setUniformItemSizes(true);
    txtFilter = new FilterField(this, LstApplications);
    txtFilter->setObjectName(u"txtFilter"_qs);
    txtFilter->setPlaceholderText(u"Filter"_qs);
    txtFilter->setClearButtonEnabled(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"cmdOK"_qs);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"cmdCancel"_qs);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtFilter);
    layout->addWidget(LstApplications);
    layout->addWidget(buttons);

    connect(txtFilter, &QLineEdit::textChanged, this, &ApplicationPicker::txtFilterChange);
    connect(LstApplications, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // OK only while a line is chosen.
    connect(LstApplications, &QListWidget::currentRowChanged, this, [this, buttons] {
        buttons->button(QDialogButtonBox::Ok)
            ->setEnabled(LstApplications->currentRow() >= 0 &&
                         !LstApplications->currentItem()->isHidden());
    });
}

void ApplicationPicker::load(const QList<DesktopEntry>& applications) {
    m_applications = applications;
    LstApplications->clear();
    for (const DesktopEntry& application : applications)
        LstApplications->addItem(new QListWidgetItem(iconFor(application.icon), application.name));
    txtFilter->clear();
    txtFilterChange({});
    txtFilter->setFocus();
}

void ApplicationPicker::txtFilterChange(const QString& text) {
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < LstApplications->count(); ++i) {
        QListWidgetItem* item = LstApplications->item(i);
        item->setHidden(!item->text().contains(text.trimmed(), Qt::CaseInsensitive));
        if (!first && !item->isHidden())
            first = item;
    }
    LstApplications->setCurrentItem(first);
}

std::optional<DesktopEntry> ApplicationPicker::chosen() const {
    const int row = LstApplications->currentRow();
    if (result() != Accepted || row < 0 || LstApplications->item(row)->isHidden())
        return std::nullopt;
    return m_applications[row];
}
