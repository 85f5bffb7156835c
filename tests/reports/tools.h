#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

// Runs a program to its end; returns its standard output (and the exit code in `code`).
inline QString runTool(const QString& program, const QStringList& args, int* code = nullptr,
                       QString* errors = nullptr)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    if (code)
        *code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    if (errors)
        *errors = QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a PDF file as pdftotext reads it, lines as laid out.
inline QString pdfText(const QString& path) { return runTool("pdftotext", {"-layout", path, "-"}); }

// A word of a PDF page as pdftotext -bbox places it, in points from the page's top left.
struct PdfWord {
    int page;
    QString text;
    double left, top, right, bottom;
};

inline std::vector<PdfWord> pdfWords(const QString& path)
{
    std::vector<PdfWord> words;
    const QString html = runTool("pdftotext", {"-bbox", path, "-"});
    static const QRegularExpression pageOrWord(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
        "yMax=\"([\\d.]+)\">([^<]*)</word>");
    int page = 0;
    for (const QRegularExpressionMatch& m : pageOrWord.globalMatch(html)) {
        if (m.captured(0) == "<page ") {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace("&amp;", "&")
            .replace("&lt;", "<")
            .replace("&gt;", ">")
            .replace("&quot;", "\"");
        words.push_back({page, text, m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}
