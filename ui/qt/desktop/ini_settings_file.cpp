// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/desktop/ini_settings_file.h"

#include <system_error>
#include <utility>

#include <QSettings>
#include <QString>
#include <QStringList>

namespace velmorant {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FileName(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

}  // namespace

std::optional<std::string> IniSettingsFile::Refusal() const {
    std::error_code error;
    const auto status = std::filesystem::status(file_, error);
    if (!std::filesystem::exists(status)) {
        return std::nullopt;  // a first start: every setting has its default
    }
    // A device or FIFO under the name would be read without end (or never), and replaced.
    if (!std::filesystem::is_regular_file(status)) {
        return "The settings file " + file_.string() +
               " is not a regular file and is not used: the rotator settings and the places of "
               "the windows take their defaults and are not saved.";
    }
    const std::uintmax_t bytes = std::filesystem::file_size(file_, error);
    if (error || bytes <= kMostSettingsBytes) {
        return std::nullopt;
    }
    return "The settings file " + file_.string() +
           " is larger than 1 MB and is not used: the rotator settings and the places of the "
           "windows take their defaults and are not saved.  Shorten or remove the file.";
}

std::map<std::string, std::string> IniSettingsFile::ReadGroup(std::string_view group) const {
    std::map<std::string, std::string> values;
    if (Refusal()) {
        return values;
    }
    QSettings settings(FileName(file_), QSettings::IniFormat);
    settings.beginGroup(Q(group));
    for (const QString& key : settings.childKeys()) {
        const QVariant value = settings.value(key);
        // An unquoted value with commas reads as a list: keep the text the operator wrote.
        const QString text = value.typeId() == QMetaType::QStringList
                                 ? value.toStringList().join(QStringLiteral(", "))
                                 : value.toString();
        values[key.toStdString()] = text.toStdString();
    }
    return values;
}

bool IniSettingsFile::WriteGroup(std::string_view group,
                                 const std::map<std::string, std::string>& values,
                                 std::string* problem) const {
    if (auto refusal = Refusal()) {
        if (problem != nullptr) {
            *problem = std::move(*refusal);
        }
        return false;
    }
    QSettings settings(FileName(file_), QSettings::IniFormat);
    // Written whole through a temporary file and a rename, or not at all (the default, said
    // here because the file's safety rests on it).
    settings.setAtomicSyncRequired(true);
    settings.beginGroup(Q(group));
    settings.remove(QString());
    for (const auto& [key, text] : values) {
        settings.setValue(Q(key), Q(text));
    }
    settings.endGroup();
    settings.sync();
    // A format error is the old file's (a hand edit QSettings could not read): the new file
    // replaced it all the same.
    if (settings.status() != QSettings::AccessError) {
        return true;
    }
    if (problem != nullptr) {
        *problem = file_.string() + " cannot be written.";
    }
    return false;
}

QString UnusedSettingsText(const std::vector<std::string>& notes) {
    QStringList lines;
    if (!notes.empty()) {
        lines << QString::fromUtf8(kSettingsFileName) + QStringLiteral(": values not used");
    }
    for (const std::string& note : notes) {
        lines << QString::fromStdString(note);
    }
    return lines.join('\n');
}

}  // namespace velmorant
