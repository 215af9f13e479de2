// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/entrydialog.h"

#include "settings/settingslogic.h"
#include "settings/settingswidgets.h"
#include "widgets/dialogs.h"
#include "widgets/textroom.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

EntryDialog::EntryDialog(QWidget* parent)
    //: Title of the dialog that edits one menu entry
    : FixedDialog(parent, u"frmAddNew"_qs, tr("Application"), {386, 159}) {
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
    m_captionLabel = label(u"lblCaption"_qs, tr("Name:"), {13, 10, 35, 15});
    m_captionField = field(u"txtCaption"_qs, {13, 29, 359, 23});
    setWhiteBackground(m_captionField);
    m_targetLabel = label(u"lblApplication"_qs, tr("Application or folder:"), {13, 63, 112, 15});
    m_targetField = field(u"txtAppPath"_qs, {13, 82, 294, 23});
    // Labels keep their designed box unless this system's font needs more room.
    for (QLabel* l : {m_captionLabel, m_targetLabel})
        l->resize(std::max(l->width(), l->sizeHint().width()), l->height());

    m_fileButton = makeFlatButton(this, u"cmdOpen"_qs, {313, 81, 28, 22}, QString());
    m_fileButton->setText(u"..."_qs);
    m_folderButton = makeFlatButton(this, u"cmdFolder"_qs, {344, 81, 28, 22}, u"folder"_qs);

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(u"cmdOK"_qs);
    m_okButton->setGeometry(13, 118, 53, 28);
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(u"cmdCancel"_qs);
    m_cancelButton->setGeometry(74, 118, 62, 28);
    widenToText(m_okButton);
    widenToText(m_cancelButton);
    m_cancelButton->move(m_okButton->x() + m_okButton->width() + 8, m_cancelButton->y());

    setTabOrder(m_captionField, m_targetField);
    setTabOrder(m_targetField, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);

    connect(m_okButton, &QPushButton::clicked, this, &EntryDialog::accepted);
    connect(m_cancelButton, &QPushButton::clicked, this, &EntryDialog::cancelled);
    connect(m_fileButton, &QToolButton::clicked, this, &EntryDialog::chooseFile);
    connect(m_folderButton, &QToolButton::clicked, this, &EntryDialog::chooseFolder);
}

bool EntryDialog::eventFilter(QObject* watched, QEvent* event) {
    // Entering or leaving either field makes it white; the target field starts out in the
    // system's colour for edit fields.
    if ((watched == m_captionField || watched == m_targetField) &&
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
    m_captionField->setText(m_entry.caption);
    m_targetField->setText(m_entry.target);
    m_captionField->setFocus();
    m_captionField->selectAll();
}

void EntryDialog::accepted() {
    if (TrimCaption(m_captionField->text()).isEmpty()) {
        Dialogs::show(this, {QMessageBox::Information, tr("Information"),
                             tr("Please enter a caption."), QMessageBox::Ok, QMessageBox::Ok});
        m_captionField->setFocus();
        return;
    }
    m_entry = {m_captionField->text(), m_targetField->text()};
    accept();
}

void EntryDialog::cancelled() {
    reject();
}

void EntryDialog::chooseFile() {
    const QString path =
        //: Title of the file dialog that picks an entry's target
        Dialogs::openFileName(this, tr("Open"), QtNameFilter(tr("All Files(*.*)|*.*")));
    if (!path.isEmpty())
        m_targetField->setText(path);
}

void EntryDialog::chooseFolder() {
    const QString folder = Dialogs::folderName(this, tr("Select folder:"));
    if (!folder.isEmpty())
        m_targetField->setText(AddTrailingBackslash(folder));
}
