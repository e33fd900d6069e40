#ifndef TESTS_PAGES_PDF_H
#define TESTS_PAGES_PDF_H

#include <string>

// The text of each page of `pdf` as `pdftotext -layout` gives it (each page
// ended by a form feed) when `qpdf --check` finds it valid; else a line that
// says which tool refused it.
std::string texteDesPages(const std::string& pdf);

#endif
