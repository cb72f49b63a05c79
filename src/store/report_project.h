#pragma once

#include <QString>

#include <optional>

#include "report_definition.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace rangedesk::store {

class LoadDataModel;

// Offers the rows of a table to a report under a connection name.
class TReportDataSetConnection {
public:
    explicit TReportDataSetConnection(QString name) : name_(std::move(name)) {}
    const QString& Name() const { return name_; }
    void SetDataSet(const LoadDataModel* table) { table_ = table; }
    const LoadDataModel* DataSet() const { return table_; }

private:
    QString name_;
    const LoadDataModel* table_ = nullptr;
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

    // Prints every row of the connection's data set.
    void Execute(const TReportDataSetConnection& connection, QPrinter& printer) const;

private:
    struct Metrics;
    Metrics Measure(QPainter& painter, QPrinter& printer) const;

    QString projectFile_;
    std::optional<ReportDefinition> definition_;
};

} // namespace rangedesk::store
