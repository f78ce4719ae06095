#include "user_profile.h"

namespace {

QString ProfileKey(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), qsizetype(section.size())) + '/' +
           QString::fromUtf8(key.data(), qsizetype(key.size()));
}

}  // namespace

CUserProfile::CUserProfile(const std::string& organisation, const std::string& application)
    : settings_(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(organisation),
                QString::fromStdString(application)) {}

std::optional<std::string> CUserProfile::Get(std::string_view section, std::string_view key) {
    const QVariant value = settings_.value(ProfileKey(section, key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

void CUserProfile::Set(std::string_view section, std::string_view key, std::string_view value) {
    settings_.setValue(ProfileKey(section, key), QString::fromUtf8(value.data(), qsizetype(value.size())));
}
