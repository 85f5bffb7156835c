#pragma once

#include "reports/engine/pager.h"

#include <QFont>
#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace reports {

// Called after each page is drawn: (pages done, pages in all).
using Progress = std::function<void(int done, int total)>;

// The installed face that stands in for a layout's font, sized in twips.
QFont fontFor(const FontSpec& wanted);

// Gives the device the layout's paper with no margins, so page positions are paper positions.
void setUpPage(QPagedPaintDevice* device, const Layout& layout);

// Draws one page with a painter whose coordinates are twips of the paper.
void drawPage(QPainter& painter, const Document& doc, int index);

// Draws every page of the document on a device already set up with setUpPage. Text wider than
// its cell is cut at the cell's edge. Returns false when the device cannot be painted on.
bool paintDocument(const Document& doc, QPagedPaintDevice* device, const Progress& progress = {});

} // namespace reports
