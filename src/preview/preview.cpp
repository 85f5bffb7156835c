#include "preview/preview.h"

#include "data/clock.h"
#include "platform/filechooser.h"
#include "platform/handlers.h"
#include "platform/msgbox.h"
#include "preview/longwork.h"
#include "reports/engine/pdffile.h"

#include <QAction>
#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

namespace reports {

void setSaveFileChooser(SaveFileChooser chooser)
{
    if (!chooser) {
        platform::setFileNameHandler({});
        return;
    }
    platform::setFileNameHandler(
        [chooser = std::move(chooser)](const platform::FileQuestion& question) {
            return chooser(nullptr, question.suggested);
        });
}

ReportPreview::ReportPreview(Document doc, QWidget* owner)
    : QPrintPreviewDialog(owner), m_doc(std::move(doc))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setObjectName(m_doc.layout->name);
    const Layout& layout = *m_doc.layout;
    // A caption that is the report's title already is not said twice.
    const bool captionOnly = layout.title.isEmpty() || layout.title == layout.caption;
    setWindowTitle(captionOnly ? layout.caption
                               : layout.caption + QStringLiteral(" — ") + layout.title);
    setUpPage(printer(), *m_doc.layout);
    printer()->setFullPage(true);
    printer()->setCreator(QStringLiteral("Kursan"));
    printer()->setDocName(m_doc.title()); // the print job's name, and a PDF printed to file

    // The file actions sit on a line of their own, where Qt's full toolbar cannot push them
    // out of sight behind its overflow button.
    auto* window = findChild<QMainWindow*>();
    m_fileRow = new QToolBar(window);
    m_fileRow->setObjectName(QStringLiteral("BarisCetak"));
    m_fileRow->setMovable(false);
    if (window) {
        window->addToolBarBreak(Qt::TopToolBarArea);
        window->addToolBar(Qt::TopToolBarArea, m_fileRow);
    } else if (auto* column = qobject_cast<QBoxLayout*>(QDialog::layout())) {
        column->insertWidget(0, m_fileRow);
    }
    m_savePdf = new QAction(QStringLiteral("Simpan PDF"), this);
    m_savePdf->setObjectName(QStringLiteral("SimpanPDF"));
    m_fileRow->addAction(m_savePdf);
    platform::handle(m_savePdf, &QAction::triggered, this, &ReportPreview::savePdf);
    connect(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreview::paintPages);
}

void ReportPreview::setDocument(Document doc)
{
    m_doc = std::move(doc);
    m_pageCount = -1;
    printer()->setDocName(m_doc.title());
    if (auto* pages = findChild<QPrintPreviewWidget*>())
        pages->updatePreview();
}

void ReportPreview::hostBar(QWidget* bar)
{
    QAction* first = m_fileRow->actions().value(0);
    m_fileRow->insertWidget(first, bar);
    m_fileRow->insertSeparator(first);
}

void ReportPreview::addFileAction(QAction* action) { m_fileRow->addAction(action); }

// Opened wide enough for both lines of the toolbar, as far as the screen allows.
void ReportPreview::showEvent(QShowEvent* event)
{
    if (!m_sized) {
        m_sized = true;
        int widest = 0;
        for (const QToolBar* row : findChildren<QToolBar*>())
            widest = std::max(widest, row->sizeHint().width());
        const QWidget* window = findChild<QMainWindow*>();
        const int edges = window ? width() - window->width() : 0;
        int wanted = std::max(width(), widest + edges);
        if (const QScreen* shown = screen())
            wanted = std::min(wanted, shown->availableGeometry().width());
        resize(wanted, height());
    }
    QPrintPreviewDialog::showEvent(event);
}

QString ReportPreview::suggestedFileName() const
{
    const Layout& layout = *m_doc.layout;
    QString what = layout.title.isEmpty() ? layout.name : layout.title;
    what.replace(QLatin1Char(' '), QLatin1Char('-'));
    return what + QLatin1Char('-') + data::today().toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".pdf");
}

// Pages are laid out as they are drawn: the work counts rows until the pages are counted.
std::unique_ptr<LongWork> ReportPreview::longWork(const QString& doing)
{
    const bool byPage = m_pageCount >= 0;
    return std::make_unique<LongWork>(this, windowTitle(),
                                      doing + (byPage ? QStringLiteral(": halaman %1 dari %2")
                                                      : QStringLiteral(": baris %1 dari %2")),
                                      byPage ? m_pageCount : m_doc.rowCount);
}

Progress ReportPreview::progress(LongWork& work) const
{
    const bool byPage = m_pageCount >= 0;
    return [&work, byPage](int pages, int rows) { return work.step(byPage ? pages : rows); };
}

// The preview's own drawing and a print run both come here; the preview draws into pictures.
void ReportPreview::paintPages(QPrinter* printer)
{
    printer->setFullPage(true);
    const bool onScreen = printer->paintEngine()->type() == QPaintEngine::Picture;
    const std::unique_ptr<LongWork> work = longWork(
        onScreen ? QStringLiteral("Menyiapkan pratinjau") : QStringLiteral("Mencetak"));
    const Progress shown = progress(*work);
    int pages = 0;
    paintDocument(m_doc, printer, [&](int done, int rows) {
        pages = done;
        if (shown(done, rows))
            return true;
        if (!onScreen)
            stopPrinting(printer);
        return false;
    });
    if (!work->cancelled()) {
        if (onScreen)
            m_pageCount = pages;
        return;
    }
    if (onScreen)
        platform::msgBox(QStringLiteral("Pratinjau dihentikan pada halaman %1. Cetak dan Simpan "
                                        "PDF tetap mengambil semua baris yang dipilih.")
                             .arg(pages),
                         windowTitle(), platform::Icon::Information, platform::Buttons::Ok, this);
    else if (!printer->outputFileName().isEmpty())
        QFile::remove(printer->outputFileName()); // the pages printed to a file so far
    else if (printer->printerState() != QPrinter::Aborted)
        platform::msgBox(QStringLiteral("Pencetakan dibatalkan. Halaman yang sudah dikirim ditahan "
                                        "di antrean pencetak dan tidak dicetak."),
                         windowTitle(), platform::Icon::Information, platform::Buttons::Ok, this);
}

// A print run the clerk cancelled goes nowhere. A printer that cannot take the job back (CUPS
// sends what was drawn once the drawing ends) gets it to hold in its queue, unprinted.
void ReportPreview::stopPrinting(QPrinter* printer)
{
    if (printer->abort() || !printer->outputFileName().isEmpty())
        return;
    // The CUPS engine's options, as Qt's own job options set them (the schedule among them).
    const auto cupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
    QPrintEngine* engine = printer->printEngine();
    QStringList options = engine->property(cupsOptions).toStringList();
    options << QStringLiteral("job-hold-until") << QStringLiteral("indefinite");
    engine->setProperty(cupsOptions, options);
}

void ReportPreview::savePdf()
{
    const QString path = platform::askFileName(
        {platform::FileAction::Save, QStringLiteral("Simpan PDF"),
         QDir::home().filePath(suggestedFileName()), QStringLiteral("PDF (*.pdf)"),
         QStringLiteral("pdf")},
        this);
    if (path.isEmpty())
        return;
    const std::unique_ptr<LongWork> work = longWork(QStringLiteral("Menyimpan PDF"));
    QString why;
    const bool written = writePdf(m_doc, path, progress(*work), &why);
    if (work->cancelled())
        return; // nothing written, as asked
    const QString where = QDir::toNativeSeparators(path);
    if (written)
        platform::msgBox(QStringLiteral("Berkas PDF disimpan di %1.").arg(where),
                         QStringLiteral("Simpan PDF"), platform::Icon::Information,
                         platform::Buttons::Ok, this);
    else
        platform::msgBox(QStringLiteral("Berkas PDF %1 tidak dapat ditulis: %2").arg(where, why),
                         QStringLiteral("Simpan PDF"), platform::Icon::Critical,
                         platform::Buttons::Ok, this);
}

} // namespace reports
