#pragma once

#include "data/rows.h"

#include <QString>
#include <memory>
#include <vector>

namespace reports {

// A typeface as a layout names it; the painter maps "Arial" and "Garamond" to installed faces.
struct FontSpec {
    QString family = QStringLiteral("Arial");
    double pointSize = 8.25;
    bool isBold = false;
    bool isItalic = false;
    bool isUnderlined = false;

    FontSpec bold() const
    {
        FontSpec f = *this;
        f.isBold = true;
        return f;
    }
    FontSpec italic() const
    {
        FontSpec f = *this;
        f.isItalic = true;
        return f;
    }
    FontSpec underlined() const
    {
        FontSpec f = *this;
        f.isUnderlined = true;
        return f;
    }
    // One text line of this font, in twips (1 pt = 20 twips).
    int lineHeight() const { return int(pointSize * 20 * 1.2 + 0.5); }
    bool operator==(const FontSpec&) const = default;
};

inline FontSpec arial(double pointSize) { return {QStringLiteral("Arial"), pointSize}; }
inline FontSpec garamond(double pointSize) { return {QStringLiteral("Garamond"), pointSize}; }

enum class ControlKind { Label, Field, Line, Rect, Bar };
enum class Align { Left, Centre, Right };

// One control of a band. Positions are twips from the band's top-left corner. A bar is a filled
// rectangle as long as the share of its width that its column gives (0 to 1; none when empty).
// A label or field with width 0 takes the room its line leaves it (see BandFitter); height 0 is
// one line of its font. A line runs from (left, top) to (left + width, top + height).
struct Control {
    ControlKind kind = ControlKind::Label;
    QString name;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QString text;       // a label's fixed text; "%D" prints today's long date
    QString column;     // a field's or a bar's column of the command
    QString dateFormat; // a field's date pattern ("dd-MMMM-yyyy"), empty: the value as stored
    bool hasFont = false;
    FontSpec ownFont; // used when hasFont; otherwise the report's default font
    Align align = Align::Left;
    bool wraps = false;  // a text that goes on to its box's further lines before it is cut
    bool spills = false; // a text wider than its box goes on into the free room to its right

    Control& size(int w, int h)
    {
        width = w;
        height = h;
        return *this;
    }
    Control& font(const FontSpec& f)
    {
        ownFont = f;
        hasFont = true;
        return *this;
    }
    Control& centred()
    {
        align = Align::Centre;
        return *this;
    }
    Control& rightAligned()
    {
        align = Align::Right;
        return *this;
    }
    Control& wrapped()
    {
        wraps = true;
        return *this;
    }
    Control& spilling()
    {
        spills = true;
        return *this;
    }
    Control& format(const QString& pattern)
    {
        dateFormat = pattern;
        return *this;
    }
};

struct Band {
    int height = 0;
    std::vector<Control> controls;

    Control& label(const QString& name, int left, int top, const QString& text);
    Control& field(const QString& name, int left, int top, const QString& column);
    Control& line(const QString& name, int left, int top, int dx, int dy);
    Control& rect(const QString& name, int left, int top, int width, int height);
    Control& bar(const QString& name, int left, int top, int width, int height,
                 const QString& column);
};

enum class BandKind { ReportHeader, PageHeader, Detail, PageFooter, ReportFooter };

struct Margins {
    int left = 1440;
    int right = 1440;
    int top = 1440;
    int bottom = 1440;
};

// A report's whole layout: page, margins, default font and its five bands, in twips.
struct Layout {
    Layout(const QString& reportName, const QString& commandName, const QString& windowCaption)
        : name(reportName), command(commandName), caption(windowCaption)
    {
    }

    QString name;    // "drKursan"
    QString command; // the command of deLaporan it prints: "cmdKursan"
    QString caption; // the preview window's caption
    QString title;   // what the report is ("Sertifikat"), after the caption and in file names
    data::RowFilter filter; // the command's rows it prints; empty: all of them
    // A column of the rows that holds how many rows, from this one on, print on one page (a
    // table's title with its lines); empty: every row goes where there is room.
    QString keepColumn;
    // A report of one year (the batch printer's --tahun, a year box on screen) reads the rows
    // of the year it is given here rather than from its command; null for the other reports.
    std::unique_ptr<data::RowCursor> (*rowsOfYear)(int year) = nullptr;
    // A report of one year whose workbook is not a list of its rows (the statistics: a sheet a
    // table) writes it here; null where the rows are the workbook, or there is none.
    void (*workbookOfYear)(int year, const QString& path) = nullptr;
    int pageWidth = 11906; // A4 portrait
    int pageHeight = 16838;
    int reportWidth = 0;
    Margins margins;
    FontSpec defaultFont = arial(8.25);
    Band reportHeader;
    Band pageHeader;
    Band detail;
    Band pageFooter;
    Band reportFooter;

    bool takesYear() const { return rowsOfYear != nullptr; }
    const Band& band(BandKind kind) const;
    Band& band(BandKind kind);
    const FontSpec& fontOf(const Control& c) const { return c.hasFont ? c.ownFont : defaultFont; }
};

} // namespace reports
