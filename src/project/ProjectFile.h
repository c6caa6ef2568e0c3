#pragma once

#include "core/AppError.h"
#include "core/CalibrationRecord.h"
#include "core/Settings.h"
#include "decoding/PictureFiles.h"
#include "session/Curve.h"
#include "table/DataTable.h"

#include <array>
#include <memory>
#include <vector>

// A digitizing session kept in one file (".kurvexproj"): a ZIP container with
//   project.json  format version, program version, the picture's kind, the
//                 calibration record with any further reference points, every option, the data
//                 file's name and layout, the status texts, every curve (name, colour, shown or
//                 hidden) with its table as its exact cell texts, the current curve, and the drawn
//                 tiles' numbers;
//   picture.png   the picture's pixels, lossless (rotated pictures included);
//   picture.wmf   a metafile's own bytes, which Save Picture writes back;
//   drawing.bin   the drawn tiles (see DrawnPicture::TileStrip) as raw 32-bit pixels;
//   vectors.bin   what a PDF page or an SVG file draws, as drawing/DrawingFormat.h writes it.
// Numbers are written so that they read back exactly.

// Format 1 kept one table; format 2 keeps curves, and a format 1 file opens as one curve;
// format 3 keeps the reference points after the first two, and older files open with two;
// format 4 keeps the drawing of a PDF page or an SVG file, and older files open without one.
inline constexpr int ProjectFormat = 4;

// What a project may hold. The program writes nothing larger, and a file that states more is
// refused before anything of that size is allocated, so that no file can make the program take
// more memory than the session it describes.
inline constexpr int MostProjectRows = 1000001;    // a million points (of all curves) and a header
inline constexpr int MostProjectTextChars = 32767; // a cell, a status text, the data file's name
inline constexpr qint64 MostProjectDocumentBytes = 96LL * 1024 * 1024;
inline const QString ProjectExtension = QStringLiteral(".kurvexproj");

struct ProjectCurve {
    QString name = QStringLiteral("Curve 1");
    std::optional<PackedColor> color;
    bool shown = true;
    std::vector<DataTable::Row> rows{DataTable::HeaderRow}; // the header row first
    bool headerFrozen = false;
    bool operator==(const ProjectCurve&) const = default;
};

struct Project {
    PictureType pictureType = PictureType::None;
    QImage picture;
    QByteArray metafileBytes;
    // A PDF page's or an SVG file's drawing; null for other pictures.
    std::shared_ptr<const VectorDrawing> vectors;
    std::vector<int> drawnTiles;
    QImage drawnStrip;
    CalibrationRecord calibration;
    std::vector<ExtraReference> moreReferences;
    // The picture reads through the map fitted to all reference points (applied when scale mode
    // was left), not through the edges.
    bool fitted = false;
    Settings settings;
    QString dataFileName;
    int dataFileType = 2;
    std::array<QString, 4> statusTexts;               // status panels 1 to 4
    std::vector<ProjectCurve> curves{ProjectCurve{}}; // at least one
    int currentCurve = 0;
};

// The file's bytes. Throws AppError when the picture cannot be encoded or the session holds
// more than a project may (see above).
QByteArray ProjectBytes(const Project& project);

// Whether bytes begin a ZIP container, as every project file does and no picture file.
bool LooksLikeProject(const QByteArray& head);
bool IsProjectFile(const QString& path);

// What tells two states of a session apart, pixels aside: the project's document.
QByteArray ProjectDocument(const Project& project);

struct ReadProject {
    Project project;       // without its picture, which comes from...
    QByteArray picturePng; // ...these bytes, decoded by the caller; empty without a picture
};

// Reads and checks everything but the picture's pixels. Throws AppError 321 "Invalid
// project: <path> (<reason>)" for a file that is no project, misses an entry or a field,
// holds a field of the wrong type or out of range, an entry larger than a project may hold,
// or comes from a newer format.
ReadProject ReadProjectBytes(const QByteArray& bytes, const QString& path);

AppError InvalidProjectError(const QString& path, const QString& reason);
