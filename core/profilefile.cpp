// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/profilefile.h"

#include "core/error.h"
#include "core/profileinteger.h"
#include "core/safefile.h"

#include <QCoreApplication>
#include <system_error>

namespace {

QString capped(QString text) {
    if (text.size() > ProfileFile::kMaxValueLength) {
        qsizetype length = ProfileFile::kMaxValueLength;
        // Never cut a character in half.
        if (text[length - 1].isHighSurrogate())
            --length;
        text.truncate(length);
    }
    return text;
}

QString readString(const IniDocument& document, const QString& section, const QString& key,
                   const QString& def) {
    return capped(document.value(section, key).value_or(def));
}

qint32 readInteger(const IniDocument& document, const QString& section, const QString& key,
                   qint32 def) {
    return parseProfileInteger(readString(document, section, key, QString())).value_or(def);
}

} // namespace

LarkspanError unwritable(const QString& fileName) {
    return LarkspanError(QCoreApplication::translate("ProfileFile", "Unable to write to %1")
                             .arg(SafeFile::shownPath(fileName)));
}

QString ProfileSnapshot::ReadString(const QString& section, const QString& key,
                                    const QString& def) const {
    return readString(m_document, section, key, def);
}

qint32 ProfileSnapshot::ReadInteger(const QString& section, const QString& key, qint32 def) const {
    return readInteger(m_document, section, key, def);
}

QStringList ProfileSnapshot::ReadSectionValues(const QString& section) const {
    QStringList lines;
    for (const auto& [key, value] : m_document.sectionEntries(section))
        lines.append(key + u'=' + capped(value));
    return lines;
}

ProfileSnapshot ProfileFile::Snapshot() const {
    return ProfileSnapshot(IniDocument::parse(
        SafeFile::read(m_fileName, nullptr, kMaxFileSize).value_or(QByteArray())));
}

QString ProfileFile::ReadString(const QString& section, const QString& key,
                                const QString& def) const {
    return Snapshot().ReadString(section, key, def);
}

qint32 ProfileFile::ReadInteger(const QString& section, const QString& key, qint32 def) const {
    return Snapshot().ReadInteger(section, key, def);
}

void ProfileFile::ReadSectionValues(const QString& section, QStringList& lines) const {
    lines = Snapshot().ReadSectionValues(section);
}

qint32 ProfileEditor::ReadInteger(const QString& section, const QString& key, qint32 def) const {
    return readInteger(m_document, section, key, def);
}

void ProfileEditor::WriteString(const QString& section, const QString& key, const QString& value) {
    // A line break would split the value into lines the file cannot hold.
    if (value.contains(u'\n') || value.contains(u'\r') || section.contains(u']') ||
        key.contains(u'='))
        throw unwritable(m_fileName);
    m_document.setValue(section, key, value);
}

void ProfileEditor::WriteInteger(const QString& section, const QString& key, qint32 value) {
    WriteString(section, key, QString::number(value));
}

SafeFile::Change ProfileFile::Update(const std::function<void(ProfileEditor&)>& change) {
    try {
        return SafeFile::update(
            m_fileName,
            [&](const std::optional<QByteArray>& old) {
                IniDocument document = IniDocument::parse(old.value_or(QByteArray()));
                ProfileEditor editor(document, m_fileName);
                change(editor);
                return document.serialize();
            },
            kMaxFileSize);
    } catch (const std::system_error&) {
        throw unwritable(m_fileName);
    }
}

void ProfileFile::WriteString(const QString& section, const QString& key, const QString& value) {
    Update([&](ProfileEditor& file) { file.WriteString(section, key, value); });
}

void ProfileFile::WriteInteger(const QString& section, const QString& key, qint32 value) {
    WriteString(section, key, QString::number(value));
}
