#include "copy_text.h"

#include "search_text.h"

namespace rangedesk::team {
namespace {

void Tab(QByteArray& line) {
    line += '\t';
}

void AppendTime(QByteArray& line, const QDateTime& time) {
    if (time.isValid()) {
        line += time.toUTC().toString(Qt::ISODateWithMs).toLatin1();
    } else {
        line += "\\N";
    }
}

} // namespace

void AppendCopyField(QByteArray& line, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        switch (c) {
        case '\\':
            line += "\\\\";
            break;
        case '\t':
            line += "\\t";
            break;
        case '\n':
            line += "\\n";
            break;
        case '\r':
            line += "\\r";
            break;
        case '\0':
            break; // a text column cannot hold it
        default:
            line += c;
        }
    }
}

void AppendRecordCopyLine(QByteArray& out, const TeamRecord& r) {
    out += r.Download.toByteArray(QUuid::WithoutBraces);
    Tab(out);
    out += QByteArray::number(r.RecNo);
    Tab(out);
    if (r.Reply.isEmpty()) {
        out += "\\N";
    } else {
        out += "\\\\x" + r.Reply.toHex(); // bytea's hex input, its backslash escaped for COPY
    }
    for (const QString* text :
         {&r.Mode, &r.Unit, &r.Dist1, &r.Dist2, &r.Dist3, &r.Result, &r.Label, &r.Note}) {
        Tab(out);
        AppendCopyField(out, *text);
    }
    Tab(out);
    out += r.Deduction ? 't' : 'f';
    Tab(out);
    AppendCopyField(out, records::SearchKey({r.Mode, r.Label, r.Note}));
    Tab(out);
    out += QByteArray::number(r.Version.Number);
    Tab(out);
    AppendTime(out, r.Version.Changed);
    Tab(out);
    AppendCopyField(out, r.Version.ChangedBy);
    out += '\n';
}

} // namespace rangedesk::team
