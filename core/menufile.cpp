#include "core/menufile.h"

#include "core/error.h"
#include "core/inidocument.h"
#include "core/safefile.h"
#include "core/tools.h"

#include <system_error>

namespace {

const QString kMenu = QStringLiteral("menu");
const QString kItems = QStringLiteral("items");
const QString kCaption = QStringLiteral("caption");
const QString kExec = QStringLiteral("exec");

QString itemSection(int n) {
    return QStringLiteral("item") + QString::number(n);
}

int itemCount(const ProfileSnapshot& menu) {
    return menu.ReadInteger(kMenu, kItems, 0);
}

// The highest N with a section "itemN" in the file; 0 when there is none.
int lastItemSection(const IniDocument& document) {
    int last = 0;
    for (const QStringView name : document.sectionNames()) {
        if (name.size() < 5 || name.first(4).compare(u"item", Qt::CaseInsensitive) != 0 ||
            name[4] == u'0')
            continue;
        bool ok = false;
        const int n = name.sliced(4).toInt(&ok);
        if (ok && name.sliced(4).size() == QString::number(n).size())
            last = qMax(last, n);
    }
    return last;
}

} // namespace

int ReadItemCount() {
    return MenuIni->ReadInteger(kMenu, kItems, 0);
}

void ReadMenuItem(int n) {
    const ProfileSnapshot menu = MenuIni->Snapshot();
    AppInfo.vCaption = menu.ReadString(itemSection(n), kCaption, QString());
    AppInfo.vExePath = menu.ReadString(itemSection(n), kExec, QString());
}

bool IsSeparator(const QString& caption) {
    return caption == u"-";
}

QStringList ReadMenuCaptions(QStringList* targets) {
    const ProfileSnapshot menu = MenuIni->Snapshot();
    const int count = qMin(itemCount(menu), kMaxMenuCaptions);
    QStringList captions;
    captions.reserve(qMax(count, 0));
    if (targets) {
        targets->clear();
        targets->reserve(qMax(count, 0));
    }
    for (int i = 1; i <= count; ++i) {
        const QString section = itemSection(i);
        captions.append(menu.ReadString(section, kCaption, QString()));
        if (targets)
            targets->append(menu.ReadString(section, kExec, QString()));
    }
    return captions;
}

// One update each: another copy adding at the same moment cannot take the same number,
// and a failure leaves no count without its entry.
void AppendMenuFileItem() {
    MenuIni->Update([](ProfileEditor& menu) {
        const int n = menu.ReadInteger(kMenu, kItems, 0) + 1;
        menu.WriteInteger(kMenu, kItems, n);
        menu.WriteString(itemSection(n), kCaption, AppInfo.vCaption);
        menu.WriteString(itemSection(n), kExec, AppInfo.vExePath);
    });
}

void UpdateMenuFileItem(int n) {
    const QString section = QStringLiteral("Item") + QString::number(n);
    MenuIni->Update([&](ProfileEditor& menu) {
        menu.WriteString(section, kCaption, AppInfo.vCaption);
        menu.WriteString(section, kExec, AppInfo.vExePath);
    });
}

QByteArray menuFileWithout(const IniDocument& document, int n) {
    const ProfileSnapshot menu(document);
    const int count = itemCount(menu);
    // Past the entries anyone reads, an empty section is only written where the file has
    // one: a hand-edited count of billions must not fill the disk.
    const int last = count <= kMaxMenuCaptions
                         ? count
                         : qMax(kMaxMenuCaptions, qMin(count, lastItemSection(document)));
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("[menu]") + crlf + QStringLiteral("items=") +
                   QString::number(count - 1) + crlf + crlf;
    int k = 1;
    for (int i = 1; i <= last; ++i) {
        if (i == n)
            continue;
        text += QStringLiteral("[item") + QString::number(k) + u']' + crlf;
        // Whole values, not the 2047 characters a read returns: a delete must not
        // shorten the entries it keeps.
        for (const auto& [key, value] : document.sectionEntries(itemSection(i)))
            text += formatEntryLine(key, value) + crlf;
        text += crlf;
        ++k;
    }
    return *encodeText(text, TextEncoding::Utf8Bom);
}

void DeleteMenuFileItem(int n) {
    // Another program may have shortened the file since its entries were listed; taking one
    // off the count then would hide an entry that is still there.
    struct NoSuchEntry {};
    try {
        SafeFile::update(
            MenuIni->FileName(),
            [n](const std::optional<QByteArray>& old) {
                const IniDocument document = IniDocument::parse(old.value_or(QByteArray()));
                if (n < 1 || n > itemCount(ProfileSnapshot(document)))
                    throw NoSuchEntry();
                return menuFileWithout(document, n);
            },
            ProfileFile::kMaxFileSize);
    } catch (const NoSuchEntry&) {
    } catch (const std::system_error& e) {
        throw LarkspanError(
            QStringLiteral("Cannot create file \"%1\". %2")
                .arg(MenuIni->FileName(), QString::fromLocal8Bit(e.code().message())));
    }
}
