#pragma once
// Every failure of the PDF score-sheet writer: a narrow text saying why.

#include <stdexcept>
#include <string>

class PdfError : public std::domain_error {
public:
    explicit PdfError(const std::string& what) : std::domain_error(what) { }
};
