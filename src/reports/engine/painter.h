#pragma once

#include "reports/engine/fonts.h"
#include "reports/engine/pager.h"

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace reports {

// Called after each page is drawn: pages and rows done so far; false stops the drawing.
using Progress = std::function<bool(int pagesDone, int rowsDone)>;

// Gives the device the layout's paper with no margins, so page positions are paper positions.
void setUpPage(QPagedPaintDevice* device, const Layout& layout);

// Draws one laid-out page of the document with a painter whose coordinates are twips of the
// paper.
void drawPage(QPainter& painter, const Document& doc, int index);

// Draws the pages as the pager lays them out, on a device already set up with setUpPage, each
// text where and as wide as the pager placed it; a page is let go once drawn. Returns false
// when the device cannot be painted on or the progress stopped the drawing. Throws
// data::Error when the rows cannot be read.
bool paintPages(Pager& pager, QPagedPaintDevice* device, const Progress& progress = {});

// Draws the document, laid out afresh from its rows a page at a time.
bool paintDocument(const Document& doc, QPagedPaintDevice* device, const Progress& progress = {});

} // namespace reports
