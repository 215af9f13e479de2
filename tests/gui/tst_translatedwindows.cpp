// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/aboutwindow.h"
#include "app/errorbox.h"
#include "app/startup.h"
#include "app/translations.h"
#include "bar/barwindow.h"
#include "settings/entrydialog.h"
#include "settings/settingswindow.h"
#include "support/guitest.h"
#include "support/testfiles.h"
#include "widgets/dialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextLayout>
#include <QToolButton>

namespace {

// Where the launcher menu's rows start their text, after the icon.
constexpr int kMenuTextLeft = 26;

// The text as drawn: "&" marks an access key, "&&" stands for "&".
QString shownText(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The characters of `text` for which neither `font` nor any font Qt falls back to has a
// glyph: they would show as empty boxes.
QString missingCharacters(const QString& text, const QFont& font) {
    QString missing;
    for (const char32_t character : text.toUcs4()) {
        const QString one = QString::fromUcs4(&character, 1);
        if (one.trimmed().isEmpty())
            continue;
        QTextLayout layout(one, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            if (run.glyphIndexes().contains(0u))
                missing += one;
    }
    return missing;
}

int advance(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

struct Shown {
    QString text;
    QSize needed; // a height only for text that wraps
    QRect box;    // where it is drawn, in the widget
};

// What a widget shows as text and the room it has for it; nothing for widgets without text.
QList<Shown> shownTexts(QWidget* widget) {
    QStyle* style = widget->style();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty())
            return {};
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const QString text =
            label->textFormat() == Qt::RichText ? QString() : shownText(label->text());
        if (label->wordWrap())
            return {{text, {0, label->heightForWidth(label->width()) - 2 * margin}, room}};
        int widest = 0;
        for (const QString& line : text.split(u'\n'))
            widest = std::max(widest, advance(label->font(), line));
        return {{text, {widest, 0}, room}};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text().isEmpty())
            return {};
        const QString text = shownText(button->text());
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        QStyleOptionButton option;
        option.initFrom(button);
        QRect room = button->rect();
        if (qobject_cast<QPushButton*>(button))
            room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        else if (qobject_cast<QCheckBox*>(button))
            room = style->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
        else if (qobject_cast<QToolButton*>(button))
            return {{text, {button->sizeHint().width(), 0}, button->rect()}};
        return {{text, {advance(button->font(), text) + icon, 0}, room}};
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        const QString text = shownText(group->title());
        return {{text, {advance(group->font(), text), 0}, title.intersected(group->rect())}};
    }
    if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
        QList<Shown> shown;
        for (int i = 0; i < tabs->count(); ++i) {
            const QString text = shownText(tabs->tabText(i));
            shown.append({text,
                          {advance(tabs->font(), text), 0},
                          tabs->tabRect(i).intersected(tabs->rect()).adjusted(4, 0, -4, 0)});
        }
        return shown;
    }
    return {};
}

// Each text of `window`'s shown widgets that is cut off (its box too narrow, or the box
// reaching out of a widget around it) or holds characters no font shows, named.
QStringList faultyTexts(QWidget* window) {
    QStringList faults;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window))
            continue;
        const QString name =
            u"%1 %2"_qs.arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
        for (const Shown& shown : shownTexts(widget)) {
            QRect visible = QRect(widget->mapTo(window, shown.box.topLeft()), shown.box.size());
            for (QWidget* around = widget; around != window; around = around->parentWidget())
                visible &= QRect(around->mapTo(window, QPoint()), around->size());
            visible &= window->rect();
            const QSize room(std::min(shown.box.width(), visible.width()),
                             std::min(shown.box.height(), visible.height()));
            if (shown.needed.width() > room.width() || shown.needed.height() > room.height())
                faults.append(u"%1: \"%2\" needs %3 x %4 px, has %5 x %6"_qs.arg(name, shown.text)
                                  .arg(shown.needed.width())
                                  .arg(shown.needed.height())
                                  .arg(room.width())
                                  .arg(room.height()));
            const QString missing = missingCharacters(shown.text, widget->font());
            if (!missing.isEmpty())
                faults.append(
                    u"%1: \"%2\" has no glyph for \"%3\""_qs.arg(name, shown.text, missing));
        }
    }
    return faults;
}

// The window with its frame and title, as the screen shows it.
void saveFramed(QWidget* window, const QString& name) {
    const QRect frame = window->frameGeometry();
    saveArtifact(window->screen()
                     ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                     .toImage(),
                 name);
}

// Shown, framed by the window manager, placed and given the keyboard, as a user first sees it.
bool framed(QWidget* window) {
    return QTest::qWaitForWindowExposed(window, 20000) &&
           QTest::qWaitFor(
               [&] {
                   return window->geometry().y() > window->frameGeometry().y() &&
                          window->isActiveWindow();
               },
               20000);
}

} // namespace

// Each language's windows as its users get them: the translations loaded as the program loads
// them at start, every window shown and pictured in test-artifacts/, and every text checked to
// show whole and in glyphs.
class TestTranslatedWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowsInLanguage_data();
    void windowsInLanguage();
};

void TestTranslatedWindows::initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == u"xcb"_qs,
             "needs an X display with a window manager");
}

void TestTranslatedWindows::windowsInLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("settingsTitle"); // the program's own translation
    QTest::addColumn<QString>("noButton");      // Qt's
    // Each row names its language in another of the variables the program reads.
    QTest::newRow("de") << u"de"_qs << QStringList{u"LANG=de_DE.UTF-8"_qs} << u"Einstellungen"_qs
                        << u"&Nein"_qs;
    QTest::newRow("zh_CN") << u"zh_CN"_qs
                           << QStringList{u"LANG=C.UTF-8"_qs, u"LC_MESSAGES=zh_CN.UTF-8"_qs}
                           << u"设置"_qs << u"否(&N)"_qs;
    QTest::newRow("fr") << u"fr"_qs << QStringList{u"LANG=fr_FR.UTF-8"_qs, u"LANGUAGE=fr:en"_qs}
                        << u"Paramètres"_qs << u"&Non"_qs;
    QTest::newRow("es") << u"es"_qs << QStringList{u"LC_ALL=es_ES.UTF-8"_qs} << u"Configuración"_qs
                        << u"&No"_qs;
    QTest::newRow("pt_BR") << u"pt_BR"_qs << QStringList{u"LANG=pt_BR.UTF-8"_qs}
                           << u"Configurações"_qs << u"&Não"_qs;
    QTest::newRow("ru") << u"ru"_qs << QStringList{u"LANGUAGE=ru"_qs, u"LANG=ru_RU.UTF-8"_qs}
                        << u"Настройки"_qs << u"&Нет"_qs;
}

void TestTranslatedWindows::windowsInLanguage() {
    QFETCH(QString, language);
    QFETCH(QStringList, environment);
    QFETCH(QString, settingsTitle);
    QFETCH(QString, noButton);

    TestAppFolder folder;
    QVERIFY(QDir().mkpath(folder.file(u"translations"_qs)));
    const QString built = QStringLiteral(LARKSPAN_OUTPUT_DIR "/translations/");
    QVERIFY(QFile::copy(built + u"larkspan_"_qs + language + u".qm"_qs,
                        folder.file(u"translations/larkspan_"_qs + language + u".qm"_qs)));
    QVERIFY(
        QFile::copy(QStringLiteral(LARKSPAN_OUTPUT_DIR "/data.mdb"), folder.file(u"data.mdb"_qs)));
    writeBytes(folder.file(u"menu.ini"_qs),
               menuFile({{"Notes", "/usr/bin/true"}, {"Terminal", "/usr/bin/true"}}));
    QProcessEnvironment variables;
    for (const QString& variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QObject translations;
    installTranslations(variables, translations);
    Dialogs::resetForTesting();
    ProgramWindows windows;
    QVERIFY(Dialogs::boxesShown().isEmpty());
    // The question to close is the real box, with Qt's own buttons.
    Dialogs::showRealDialogs();
    const auto picture = [&](const QString& window) {
        return u"translated-%1-%2.png"_qs.arg(language, window);
    };
    // Every window is shown and pictured before the faults of all are told.
    QStringList faults;
    const auto check = [&](QWidget* window, const QString& name) {
        if (!framed(window)) {
            faults.append(name + u" did not show"_qs);
            return;
        }
        saveFramed(window, picture(name));
        for (const QString& fault : faultyTexts(window))
            faults.append(name + u": "_qs + fault);
    };

    BarWindow& bar = windows.bar();
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar, 20000));
    saveArtifact(bar.grab().toImage(), picture(u"bar"_qs));
    for (const QString& fault : faultyTexts(&bar))
        faults.append(u"bar: "_qs + fault);

    QVERIFY(withOpenMenu(
        bar.launcherMenu(), bar.findChild<QWidget*>(u"ImgMenu"_qs), [&](LauncherMenu& menu) {
            const QList<int> items = shownItems(menu);
            menu.setActiveRow(items.last());
            saveArtifact(menu.grab().toImage(), picture(u"menu"_qs));
            // The highlighted row is drawn bold, the widest it gets.
            QFont bold = menu.look().font;
            bold.setBold(true);
            for (int row : items) {
                const QString text = shownText(menu.rows()[row].caption);
                if (text == u"-")
                    continue;
                const QString missing = missingCharacters(text, bold);
                if (advance(bold, text) > menu.rowGeometry(row).width() - kMenuTextLeft ||
                    !missing.isEmpty())
                    faults.append(u"menu: \"%1\" cut off or without glyphs "
                                  "for \"%2\""_qs.arg(text, missing));
            }
        }));

    SettingsWindow& settings = windows.settings();
    bool entryDialogShown = false;
    QVERIFY(withModalDialog(
        &settings, [&] { settings.exec(); },
        [&](SettingsWindow& window) {
            check(&window, u"settings"_qs);
            EntryDialog& entry = windows.entryDialog();
            entryDialogShown = withModalDialog(
                &entry,
                [&] {
                    QTest::mouseClick(window.findChild<QWidget*>(u"cmdNew"_qs), Qt::LeftButton);
                },
                [&](EntryDialog& dialog) {
                    check(&dialog, u"entry-dialog"_qs);
                    dialog.reject();
                });
            window.close();
        }));
    QVERIFY(entryDialogShown);

    AboutWindow& about = windows.about();
    QVERIFY(withModalDialog(
        &about, [&] { about.exec(); },
        [&](AboutWindow& window) {
            check(&window, u"about"_qs);
            window.reject();
        }));

    // The bar's question to close, with Qt's own Yes and No.
    QString noText;
    QTimer::singleShot(0, &bar, [&] {
        QMessageBox* box = nullptr;
        if (QTest::qWaitFor(
                [&] {
                    box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                    return box != nullptr;
                },
                20000)) {
            check(box, u"box"_qs);
            noText = box->button(QMessageBox::No)->text();
            box->button(QMessageBox::No)->click();
        }
    });
    bar.ConfirmExit();
    QVERIFY(bar.isVisible());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    QCOMPARE(settings.windowTitle(), settingsTitle);
    QCOMPARE(noText, noButton);
}

int main(int argc, char** argv) {
    LarkspanApplication app(argc, argv);
    TestTranslatedWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translatedwindows.moc"
