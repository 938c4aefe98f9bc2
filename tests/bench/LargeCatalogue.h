#pragma once

#include <QString>

// A copy of the sample product database in which every table the setup forms
// read holds `copies` times its rows: copy k of a row carries "~k" after its
// key, so it names another drive, series or cable, and the sample's own path
// finds the same rows among many more.
namespace LargeCatalogue {

// Writes the product database into folder, with the curve databases beside it.
void build(const QString& folder, int copies);

} // namespace LargeCatalogue
