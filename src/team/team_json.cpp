#include "team_json.h"

#include <QJsonValue>

#include "search_text.h"

namespace rangedesk::team {
namespace {

QJsonValue Time(const QDateTime& time) {
    return time.isValid() ? QJsonValue(time.toUTC().toString(Qt::ISODateWithMs)) : QJsonValue();
}

QDateTime TimeFrom(const QJsonValue& value) {
    if (!value.isString()) {
        return {};
    }
    return QDateTime::fromString(value.toString(), Qt::ISODateWithMs).toUTC();
}

QJsonValue Uuid(const QUuid& uuid) {
    return uuid.isNull() ? QJsonValue() : QJsonValue(uuid.toString(QUuid::WithoutBraces));
}

QUuid UuidFrom(const QJsonValue& value) {
    return value.isString() ? QUuid::fromString(value.toString()) : QUuid();
}

// The version columns: "version" or, for a download's job, "job_version".
void PutVersion(QJsonObject& o, const RowVersion& v, const char* number = "version") {
    o[number] = v.Number;
    o["changed"] = Time(v.Changed);
    o["changed_by"] = v.ChangedBy;
}

RowVersion VersionFrom(const QJsonObject& o, const char* number = "version") {
    return {o[number].toInt(1), TimeFrom(o["changed"]), o["changed_by"].toString()};
}

} // namespace

QJsonObject JobJson(const TeamJob& j) {
    QJsonObject o{{"uuid", Uuid(j.Uuid)}, {"name", j.Name},
                  {"client", j.Client},   {"address", j.Address},
                  {"notes", j.Notes},     {"created", Time(j.Created)},
                  {"desk", j.Desk},       {"search", records::SearchKey({j.Name, j.Client})}};
    PutVersion(o, j.Version);
    return o;
}

QJsonObject DownloadJson(const TeamDownload& d) {
    QJsonObject o{{"uuid", Uuid(d.Uuid)},
                  {"started", Time(d.Started)},
                  {"finished", Time(d.Finished)},
                  {"model", d.Model},
                  {"vendor", d.Vendor},
                  {"product", d.Product},
                  {"serial", d.Serial},
                  {"simulated", d.Simulated},
                  {"decimal_separator", d.DecimalSeparator},
                  {"asked", d.Asked},
                  {"stored", d.Stored},
                  {"new_records", d.NewRecords},
                  {"outcome", d.Outcome},
                  {"desk", d.Desk},
                  {"user", d.User},
                  {"job", Uuid(d.Job)}};
    PutVersion(o, d.JobVersion, "job_version");
    return o;
}

QJsonObject RecordJson(const TeamRecord& r) {
    QJsonObject o{{"download", Uuid(r.Download)},
                  {"recno", r.RecNo},
                  {"reply", r.Reply.isEmpty() ? QJsonValue()
                                              : QJsonValue(QString::fromLatin1(r.Reply.toHex()))},
                  {"mode", r.Mode},
                  {"unit", r.Unit},
                  {"dist1", r.Dist1},
                  {"dist2", r.Dist2},
                  {"dist3", r.Dist3},
                  {"result", r.Result},
                  {"label", r.Label},
                  {"note", r.Note},
                  {"deduction", r.Deduction},
                  {"search", records::SearchKey({r.Mode, r.Label, r.Note})}};
    PutVersion(o, r.Version);
    return o;
}

QJsonObject ReadingJson(const TeamReading& g) {
    QJsonObject o{{"uuid", Uuid(g.Uuid)},     {"taken", Time(g.Taken)},
                  {"model", g.Model},         {"vendor", g.Vendor},
                  {"product", g.Product},     {"serial", g.Serial},
                  {"simulated", g.Simulated}, {"distance_tenths", g.DistanceTenths},
                  {"text", g.Text},           {"job", Uuid(g.Job)},
                  {"label", g.Label},         {"note", g.Note},
                  {"desk", g.Desk},           {"search", records::SearchKey({g.Text, g.Label, g.Note})}};
    PutVersion(o, g.Version);
    return o;
}

TeamJob JobFromJson(const QJsonObject& o) {
    return {UuidFrom(o["uuid"]),     o["name"].toString(),  o["client"].toString(),
            o["address"].toString(), o["notes"].toString(), TimeFrom(o["created"]),
            o["desk"].toString(),    VersionFrom(o)};
}

TeamDownload DownloadFromJson(const QJsonObject& o) {
    TeamDownload d;
    d.Uuid = UuidFrom(o["uuid"]);
    d.Started = TimeFrom(o["started"]);
    d.Finished = TimeFrom(o["finished"]);
    d.Model = o["model"].toInt();
    d.Vendor = o["vendor"].toInt();
    d.Product = o["product"].toInt();
    d.Serial = o["serial"].toString();
    d.Simulated = o["simulated"].toBool();
    d.DecimalSeparator = o["decimal_separator"].toString();
    d.Asked = o["asked"].toInt();
    d.Stored = o["stored"].toInt();
    d.NewRecords = o["new_records"].toInt();
    d.Outcome = o["outcome"].toString();
    d.Desk = o["desk"].toString();
    d.User = o["user"].toString();
    d.Job = UuidFrom(o["job"]);
    d.JobVersion = VersionFrom(o, "job_version");
    return d;
}

TeamRecord RecordFromJson(const QJsonObject& o) {
    TeamRecord r;
    r.Download = UuidFrom(o["download"]);
    r.RecNo = o["recno"].toInt();
    // to_jsonb gives bytea as "\x0102..."
    if (const QString reply = o["reply"].toString(); !reply.isEmpty()) {
        r.Reply = QByteArray::fromHex(reply.mid(reply.startsWith("\\x") ? 2 : 0).toLatin1());
    }
    r.Mode = o["mode"].toString();
    r.Unit = o["unit"].toString();
    r.Dist1 = o["dist1"].toString();
    r.Dist2 = o["dist2"].toString();
    r.Dist3 = o["dist3"].toString();
    r.Result = o["result"].toString();
    r.Label = o["label"].toString();
    r.Note = o["note"].toString();
    r.Deduction = o["deduction"].toBool();
    r.Version = VersionFrom(o);
    return r;
}

TeamReading ReadingFromJson(const QJsonObject& o) {
    TeamReading g;
    g.Uuid = UuidFrom(o["uuid"]);
    g.Taken = TimeFrom(o["taken"]);
    g.Model = o["model"].toInt();
    g.Vendor = o["vendor"].toInt();
    g.Product = o["product"].toInt();
    g.Serial = o["serial"].toString();
    g.Simulated = o["simulated"].toBool();
    g.DistanceTenths = qint64(o["distance_tenths"].toDouble());
    g.Text = o["text"].toString();
    g.Job = UuidFrom(o["job"]);
    g.Label = o["label"].toString();
    g.Note = o["note"].toString();
    g.Desk = o["desk"].toString();
    g.Version = VersionFrom(o);
    return g;
}

} // namespace rangedesk::team
