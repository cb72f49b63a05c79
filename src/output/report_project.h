#pragma once

#include <QString>

#include <optional>

#include "report_definition.h"

class QAbstractItemModel;
class QPagedPaintDevice;
class QPainter;

namespace rangedesk::output {

// Offers the rows of a table to a report under a connection name; the table's column headings
// are the field names a report definition refers to.
class TReportDataSetConnection {
public:
    explicit TReportDataSetConnection(QString name) : name_(std::move(name)) {}
    const QString& Name() const { return name_; }
    void SetDataSet(const QAbstractItemModel* table) { table_ = table; }
    const QAbstractItemModel* DataSet() const { return table_; }

private:
    QString name_;
    const QAbstractItemModel* table_ = nullptr;
};

// The report engine: loads the definition from ProjectFile on Open() and lays the attached
// rows out page by page: title, date, column headings on every page, "Page i of n".
class TReportProject {
public:
    void SetProjectFile(const QString& path) { projectFile_ = path; }
    const QString& ProjectFile() const { return projectFile_; }
    bool IsOpen() const { return definition_.has_value(); }
    // Reads the definition anew; throws ReportError naming the file (and line).
    void Open();
    void Close() { definition_.reset(); }
    const ReportDefinition& Definition() const;

    // Prints every row of the connection's data set on a printer or a PDF writer.
    void Execute(const TReportDataSetConnection& connection, QPagedPaintDevice& printer) const;

private:
    struct Metrics;
    Metrics Measure(QPainter& painter, QPagedPaintDevice& printer) const;

    QString projectFile_;
    std::optional<ReportDefinition> definition_;
};

} // namespace rangedesk::output
