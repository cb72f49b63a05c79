#pragma once

#include <QString>

namespace rangedesk::store::sql {

// The statements over LoadData and the kept records, built from the one column list
// (records::kLoadDataColumns), so a column is named in one place. DownloadRecords holds the
// record number as an integer and every other column of LoadData as it is.

// "RecNo": the column of the record number.
QString RecordNumberColumn();
// "RecNo, MODE, UNIT, DIST1, DIST2, DIST3, RESULT"
QString LoadDataColumns();
// The same without the record number: the texts a kept record holds beside its number.
QString KeptTextColumns();

QString CheckLoadData();                // reads no row; fails when a column is missing
QString SelectLoadData();               // rowid and the columns, in stored order
QString InsertLoadDataRow();            // one row, a value bound per column
QString UpdateLoadDataCell(int column); // the column's value, then the rowid
QString DeleteLoadData();               // the legacy "delete from LoadData"
QString InsertKeptRecord();             // download, number, reply bytes, then the texts
QString SelectKeptRecords();            // number, reply, texts of one download by number
QString UpdateKeptTexts();              // the texts, then download and number
QString LoadDataFromKeptRecords();      // one download's records into LoadData, by number
QString CountNewKeptRecords();          // a download's records its predecessor lacked

} // namespace rangedesk::store::sql
