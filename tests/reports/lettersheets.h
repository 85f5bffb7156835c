#pragma once

#include <string>
#include <vector>

// The design sheets of the letters, the statement and the certificate, written out from their
// tables: the page ("command "caption" width W margins left,right,top,bottom bands report
// header,page header,detail,page footer,report footer") and every control of the detail band
// as "name left,top content font", the content a label's "text", a field's [column] or a
// horizontal line's length; no font where it is the default Arial 8.25.
struct Sheet {
    const char* report;
    const char* page;
    std::vector<std::string> controls;
};

const std::vector<Sheet>& letterSheets();
