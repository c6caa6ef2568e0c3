#pragma once

#include <QByteArray>
#include <QString>

class Session;

// Every curve's points in one text, for Export All Curves and Copy All Curves: a header line
// "curve,x,y", then one line per point in curve order, the numbers as the tables hold them
// (without their padding; "." decimals in every locale).

// CSV in UTF-8, lines ending in CR LF; a name with a comma, a quote, a line break or spaces at
// either end is quoted, its quotes doubled.
QByteArray AllCurvesCsv(const Session& session);
// Tab-separated, for spreadsheets; tabs and line breaks in names become spaces.
QString AllCurvesTabText(const Session& session);
