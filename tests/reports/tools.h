#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

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
inline QString pdfText(const QString& path)
{
    return runTool("pdftotext", {"-layout", path, "-"});
}

