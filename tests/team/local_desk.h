#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QUuid>

#include <memory>
#include <optional>

#include "download_history.h"
#include "download_summary.h"
#include "job_book.h"
#include "measurement_record.h"
#include "program_folder.h"
#include "record_edits.h"
#include "record_sink.h"
#include "record_store.h"
#include "store_record_sink.h"

// A desk's own database as a user fills it: a fresh copy of the template (or a copy of another
// desk's file), downloads through the store's record sink as the meter core makes them, jobs
// through the JobBook, labels and notes through RecordEdits. Its rows carry the desk's name.
class LocalDesk {
public:
    // `copyOf`: another desk's database file to start from (a copied DistLib.mdb).
    LocalDesk(const QString& name, const QString& path, const QString& copyOf = {})
        : name_(name), path_(path) {
        if (copyOf.isEmpty()) {
            ok_ = CopyFreshDatabase(path);
        } else {
            QFile::remove(path);
            ok_ = QFile::copy(copyOf, path) &&
                  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        }
        store_ = std::make_unique<rangedesk::store::RecordStore>(
            path, rangedesk::store::StoreAccess::ReadWrite);
        store_->SetDesk({name, "surveyor"});
        store_->Open();
        sink_ = std::make_unique<rangedesk::store::StoreRecordSink>(*store_);
    }

    bool Ok() const { return ok_; }
    const QString& Name() const { return name_; }
    const QString& Path() const { return path_; }
    rangedesk::store::RecordStore& Store() { return *store_; }

    // A complete download of `count` records from a model 3 meter, into a job or none; each
    // record's bytes are made of `seed` and its number. Returns the download's id.
    qint64 Download(int count, int seed, std::optional<qint64> job = std::nullopt) {
        sink_->SetJob(job);
        sink_->BeginDownload({3, 0x0486, 0x5750, "SN-" + name_, false, "."});
        sink_->EmptyLoadData();
        rangedesk::MeasurementRecord record;
        record.ModeText = "Area";
        record.UnitText = "m";
        for (int i = 1; i <= count; ++i) {
            record.slot(rangedesk::SlotId::RESULT).ValueText = std::to_string(i) + ".250";
            record.slot(rangedesk::SlotId::RESULT).SuffixText = "m2";
            const std::uint8_t reply[4] = {std::uint8_t(seed >> 8), std::uint8_t(seed),
                                           std::uint8_t(i >> 8), std::uint8_t(i)};
            sink_->AddRecToLib(i, record, rangedesk::RecordLayout::Extended, reply);
        }
        rangedesk::records::DownloadSummary summary;
        summary.Asked = summary.Stored = count;
        sink_->FinishDownload(summary);
        return rangedesk::store::DownloadHistory(*store_).List().front().Id;
    }

    QUuid UuidOf(qint64 download) {
        return rangedesk::store::DownloadHistory(*store_).Find(download)->Uuid;
    }
    QString Label(qint64 download, int recNo) {
        for (const auto& r : rangedesk::store::DownloadHistory(*store_).Records(download)) {
            if (r.RecNo == recNo) {
                return r.Label;
            }
        }
        return "(no record)";
    }
    qint64 Job(const QString& name) {
        return rangedesk::store::JobBook(*store_).Create(name, {"client of " + name, {}, {}}).Id;
    }
    void SetLabel(qint64 download, int recNo, const QString& label) {
        rangedesk::store::RecordEdits(*store_).SetLabel(download, recNo, label);
    }

    // The file with every committed row in it, for a copy.
    void Checkpoint() { store_->Checkpoint(); }

private:
    QString name_;
    QString path_;
    bool ok_ = false;
    std::unique_ptr<rangedesk::store::RecordStore> store_;
    std::unique_ptr<rangedesk::store::StoreRecordSink> sink_;
};
