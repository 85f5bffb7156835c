#pragma once

#include "reports/engine/fonts.h"
#include "reports/engine/pager.h"

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace reports {

// Called after each page is drawn: (pages done, pages in all).
using Progress = std::function<void(int done, int total)>;

// Gives the device the layout's paper with no margins, so page positions are paper positions.
void setUpPage(QPagedPaintDevice* device, const Layout& layout);

// Draws one page with a painter whose coordinates are twips of the paper.
void drawPage(QPainter& painter, const Document& doc, int index);

// Draws every page of the document on a device already set up with setUpPage, each text where
// and as wide as the pager placed it. Returns false when the device cannot be painted on.
bool paintDocument(const Document& doc, QPagedPaintDevice* device, const Progress& progress = {});

} // namespace reports
