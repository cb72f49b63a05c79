#include "server_address.h"

#include <QRegularExpression>
#include <QStringList>

#include <libpq-fe.h>

#include <memory>

namespace rangedesk::team {
namespace {

// Quoted as libpq's keyword lists want: backslash and single quote escaped.
QString Quoted(QString value) {
    value.replace('\\', "\\\\").replace('\'', "\\'");
    return "'" + value + "'";
}

} // namespace

QString ServerAddress::Value(const QString& keyword) const {
    for (const auto& [key, value] : Keywords) {
        if (key == keyword) {
            return value;
        }
    }
    return {};
}

QString ServerAddress::Describe() const {
    const QString service = Value("service");
    const QString host = Value("host");
    const QString db = Value("dbname");
    if (!service.isEmpty() && host.isEmpty()) {
        return "service " + service;
    }
    QString text;
    if (const QString user = Value("user"); !user.isEmpty()) {
        text += user + "@";
    }
    text += host.isEmpty() ? QString("localhost") : host;
    if (const QString port = Value("port"); !port.isEmpty()) {
        text += ":" + port;
    }
    if (!db.isEmpty()) {
        text += "/" + db;
    }
    if (!service.isEmpty()) {
        text += " (service " + service + ")";
    }
    return text;
}

QString ServerAddress::ConnectOptions(const QString& applicationName) const {
    QStringList options;
    for (const auto& [key, value] : Keywords) {
        options << key + "=" + Quoted(value);
    }
    // A desk must not hang on a server that does not answer, nor on a half-open connection.
    if (Value("connect_timeout").isEmpty()) {
        options << "connect_timeout=10";
    }
    if (Value("keepalives_idle").isEmpty()) {
        options << "keepalives_idle=30";
    }
    if (Value("application_name").isEmpty() && !applicationName.isEmpty()) {
        options << "application_name=" + Quoted(applicationName);
    }
    return options.join(' ');
}

ParsedAddress ParseServerAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return {std::nullopt, "no team server is set"};
    }
    // QPSQL turns every ';' of its option text into a blank; refuse instead of misreading.
    if (trimmed.contains(';')) {
        return {std::nullopt, "a server address may not contain ';'"};
    }
    // A bare word is a service name, as "service=NAME" is.
    const bool bare = !trimmed.contains('=') && !trimmed.contains("://");
    const QByteArray conninfo = (bare ? "service=" + trimmed : trimmed).toUtf8();
    char* error = nullptr;
    std::unique_ptr<PQconninfoOption, decltype(&PQconninfoFree)> options(
        PQconninfoParse(conninfo.constData(), &error), &PQconninfoFree);
    if (!options) {
        QString reason = error ? QString::fromUtf8(error).trimmed() : QString("out of memory");
        PQfreemem(error);
        return {std::nullopt, reason};
    }
    ServerAddress address;
    address.Text = trimmed;
    for (const PQconninfoOption* o = options.get(); o->keyword; ++o) {
        if (o->val && *o->val) {
            address.Keywords.emplace_back(QString::fromUtf8(o->keyword), QString::fromUtf8(o->val));
        }
    }
    if (!address.Value("password").isEmpty()) {
        return {std::nullopt, "a server address may not hold a password: use a password file, "
                              "a service file or the keyring"};
    }
    return {address, {}};
}

QString ServerTextFromField(const QString& typed) {
    const QString text = typed.trimmed();
    const bool bareWord = !text.isEmpty() && !text.contains('=') && !text.contains("://") &&
                          !text.contains(QRegularExpression("\\s"));
    return bareWord ? "service=" + text : text;
}

} // namespace rangedesk::team
