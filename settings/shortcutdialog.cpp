// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/shortcutdialog.h"

#include "platform/menushortcut.h"
#include "platform/shortcutstore.h"
#include "widgets/errorbox.h"
#include "widgets/uifont.h"

#include <QDialogButtonBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString shown(QKeyCombination keys) {
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}

} // namespace

MenuShortcutDialog::MenuShortcutDialog(MenuShortcutStore* store, const QString& command,
                                       const QString& desktop, QWidget* parent)
    : QDialog(parent), m_store(store), m_command(command) {
    setObjectName(u"frmShortcut"_qs);
    setWindowTitle(tr("Keyboard shortcut"));
    setFont(uiFont(12));
    auto* layout = new QVBoxLayout(this);
    const auto label = [&](const QString& name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setWordWrap(true);
        layout->addWidget(l);
        return l;
    };
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(u"cmdClose"_qs);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    if (!m_store) {
        label(u"lblByHand"_qs,
              tr("Larkspan cannot set the shortcuts of %1. To open the launcher menu with a key, "
                 "bind it to this command in the desktop's keyboard settings:")
                  .arg(desktop));
        auto* commandField = new QLineEdit(m_command, this);
        commandField->setObjectName(u"txtCommand"_qs);
        commandField->setReadOnly(true);
        layout->addWidget(commandField);
        layout->addWidget(buttons);
        resize(480, sizeHint().height());
        return;
    }

    label(u"lblIntro"_qs, tr("The key combination that opens the launcher menu, kept in the "
                             "keyboard settings of %1. Press a new one to change it.")
                              .arg(desktop));
    m_currentLabel = label(u"lblCurrent"_qs, {});
    m_keysEdit = new QKeySequenceEdit(this);
    m_keysEdit->setObjectName(u"txtKeys"_qs);
    layout->addWidget(m_keysEdit);
    m_statusLabel = label(u"lblStatus"_qs, {});
    m_setButton = buttons->addButton(tr("Set"), QDialogButtonBox::ApplyRole);
    m_setButton->setObjectName(u"cmdSet"_qs);
    m_clearButton = buttons->addButton(tr("Clear"), QDialogButtonBox::ResetRole);
    m_clearButton->setObjectName(u"cmdClear"_qs);
    layout->addWidget(buttons);
    resize(480, sizeHint().height());

    connect(m_keysEdit, &QKeySequenceEdit::keySequenceChanged, this,
            [this] { reportingErrors([this] { keysChanged(); }); });
    connect(m_setButton, &QPushButton::clicked, this,
            [this] { reportingErrors([this] { setRecorded(); }); });
    connect(m_clearButton, &QPushButton::clicked, this,
            [this] { reportingErrors([this] { clearBinding(); }); });
}

void MenuShortcutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_store) {
        m_keysEdit->clear();
        m_keysEdit->setFocus();
        reportingErrors([this] { showCurrent(); });
    }
}

void MenuShortcutDialog::showCurrent() {
    m_recorded.reset();
    m_setButton->setEnabled(false);
    m_clearButton->setEnabled(false);
    m_statusLabel->setText(tr("Press a combination with Ctrl, Alt or Super, or a function key."));
    const auto current = m_store->current();
    m_currentLabel->setText(current ? tr("Now: %1").arg(shown(*current)) : tr("Now: none"));
    m_clearButton->setEnabled(current.has_value());
}

void MenuShortcutDialog::keysChanged() {
    const QKeySequence sequence = m_keysEdit->keySequence();
    m_recorded.reset();
    m_setButton->setEnabled(false);
    if (sequence.isEmpty())
        return;
    // One combination, the latest pressed: the desktops bind single combinations.
    const QKeyCombination keys = sequence[sequence.count() - 1];
    if (sequence.count() > 1) {
        m_keysEdit->setKeySequence(QKeySequence(keys));
        return;
    }
    if (!isAcceptedShortcut(keys)) {
        m_statusLabel->setText(tr("%1 cannot open the menu: it needs Ctrl, Alt or Super, or must "
                                  "be a function key.")
                                   .arg(shown(keys)));
        return;
    }
    if (m_store->current() == keys) {
        m_statusLabel->setText(tr("%1 opens the menu already.").arg(shown(keys)));
        return;
    }
    const QString taken = m_store->takenBy(keys);
    if (!taken.isEmpty()) {
        m_statusLabel->setText(
            tr("%1 is already bound to \"%2\". Press another one.").arg(shown(keys), taken));
        return;
    }
    m_statusLabel->setText(tr("%1 is free.").arg(shown(keys)));
    m_recorded = keys;
    m_setButton->setEnabled(true);
}

void MenuShortcutDialog::setRecorded() {
    if (!m_recorded)
        return;
    m_store->set(*m_recorded, m_command);
    m_keysEdit->clear();
    showCurrent();
}

void MenuShortcutDialog::clearBinding() {
    m_store->clear();
    m_keysEdit->clear();
    showCurrent();
}
