#include "settings/entrydialog.h"

#include "settings/settingslogic.h"
#include "settings/settingswidgets.h"
#include "widgets/dialogs.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

EntryDialog::EntryDialog(QWidget* parent)
    : FixedDialog(parent, u"frmAddNew"_qs, u"Application"_qs, {386, 159}) {
    const auto label = [this](const QString& name, const QString& text, const QRect& box) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setGeometry(box);
        return l;
    };
    const auto field = [this](const QString& name, const QRect& box) {
        auto* f = new QLineEdit(this);
        f->setObjectName(name);
        f->setGeometry(box);
        f->installEventFilter(this);
        return f;
    };
    lblCaption = label(u"lblCaption"_qs, u"Name:"_qs, {13, 10, 35, 15});
    txtCaption = field(u"txtCaption"_qs, {13, 29, 359, 23});
    setWhiteBackground(txtCaption);
    lblApplication = label(u"lblApplication"_qs, u"Application or folder:"_qs, {13, 63, 112, 15});
    txtAppPath = field(u"txtAppPath"_qs, {13, 82, 294, 23});
    // Labels keep their designed box unless this system's font needs more room.
    for (QLabel* l : {lblCaption, lblApplication})
        l->resize(std::max(l->width(), l->sizeHint().width()), l->height());

    cmdOpen = makeFlatButton(this, u"cmdOpen"_qs, {313, 81, 28, 22}, QString());
    cmdOpen->setText(u"..."_qs);
    cmdFolder = makeFlatButton(this, u"cmdFolder"_qs, {344, 81, 28, 22}, u"folder"_qs);

    cmdOK = new QPushButton(u"OK"_qs, this);
    cmdOK->setObjectName(u"cmdOK"_qs);
    cmdOK->setGeometry(13, 118, 53, 28);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(u"Cancel"_qs, this);
    cmdCancel->setObjectName(u"cmdCancel"_qs);
    cmdCancel->setGeometry(74, 118, 62, 28);

    setTabOrder(txtCaption, txtAppPath);
    setTabOrder(txtAppPath, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    connect(cmdOK, &QPushButton::clicked, this, &EntryDialog::cmdOKClick);
    connect(cmdCancel, &QPushButton::clicked, this, &EntryDialog::cmdCancelClick);
    connect(cmdOpen, &QToolButton::clicked, this, &EntryDialog::cmdOpenClick);
    connect(cmdFolder, &QToolButton::clicked, this, &EntryDialog::cmdFolderClick);
}

bool EntryDialog::eventFilter(QObject* watched, QEvent* event) {
    // Entering or leaving either field makes it white; the target field starts out in the
    // system's colour for edit fields.
    if ((watched == txtCaption || watched == txtAppPath) &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        setWhiteBackground(static_cast<QLineEdit*>(watched));
    return QDialog::eventFilter(watched, event);
}

void EntryDialog::setWhiteBackground(QLineEdit* field) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    field->setPalette(palette);
}

std::optional<MenuEntry> EntryDialog::edit(const MenuEntry& entry) {
    setEntry(entry);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_entry;
}

void EntryDialog::aboutToShow() {
    txtCaption->setText(m_entry.caption);
    txtAppPath->setText(m_entry.target);
    txtCaption->setFocus();
    txtCaption->selectAll();
}

void EntryDialog::cmdOKClick() {
    if (TrimCaption(txtCaption->text()).isEmpty()) {
        Dialogs::show(this, {QMessageBox::Information, u"Information"_qs,
                             u"Please enter a caption."_qs, QMessageBox::Ok, QMessageBox::Ok});
        txtCaption->setFocus();
        return;
    }
    m_entry = {txtCaption->text(), txtAppPath->text()};
    accept();
}

void EntryDialog::cmdCancelClick() {
    reject();
}

void EntryDialog::cmdOpenClick() {
    const QString path =
        Dialogs::openFileName(this, u"Open"_qs, QtNameFilter(u"All Files(*.*)|*.*"_qs));
    if (!path.isEmpty())
        txtAppPath->setText(path);
}

void EntryDialog::cmdFolderClick() {
    const QString folder = Dialogs::folderName(this, u"Select folder:"_qs);
    if (!folder.isEmpty())
        txtAppPath->setText(AddTrailingBackslash(folder));
}
