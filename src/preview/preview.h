#pragma once

#include "reports/engine/painter.h"

#include <QPrintPreviewDialog>
#include <functional>
#include <memory>

class QToolBar;

namespace reports {

class LongWork;

// The preview window of one report: pages, zoom, printing with the choice of printer, and
// "Simpan PDF". Modeless, destroyed when closed; its caption says which report it shows
// ("DataReport1 — Sertifikat").
class ReportPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    ReportPreview(Document doc, QWidget* owner);

    const Document& document() const { return m_doc; }
    // Shows the pages of a fresh run of the same report.
    void setDocument(Document doc);
    // The pages of the document, known once they have been laid out for showing; -1 before.
    int pageCount() const { return m_pageCount; }
    QAction* savePdfAction() const { return m_savePdf; }
    // Puts a row of controls (what to print) at the start of the line under the toolbar, in
    // front of the actions that write what the preview shows.
    void hostBar(QWidget* bar);
    // Adds an action that writes what the preview shows, after "Simpan PDF".
    void addFileAction(QAction* action);
    // Asks where, suggesting what and when ("Sertifikat-2026-12-08.pdf"), writes the PDF and
    // says where it went.
    void savePdf();
    QString suggestedFileName() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Draws the document on the preview's pages or for a print run, either of which the clerk
    // may cancel once it shows its progress.
    void paintPages(QPrinter* printer);
    static void stopPrinting(QPrinter* printer);
    // The progress of drawing the document, `doing` ("Mencetak") so far of all.
    std::unique_ptr<LongWork> longWork(const QString& doing);
    Progress progress(LongWork& work) const;

    Document m_doc;
    int m_pageCount = -1;
    QAction* m_savePdf = nullptr;
    QToolBar* m_fileRow = nullptr; // the line under the toolbar
    bool m_sized = false;
};

// Tests answer where to save instead of the file dialog (given the name it suggests; an empty
// path cancels); an empty chooser restores the dialog.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
void setSaveFileChooser(SaveFileChooser chooser);

} // namespace reports
