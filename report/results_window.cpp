#include "report/results_window.h"

namespace vrd {

const char* ListName(ListId list) {
    switch (list) {
    case ListId::Leq1:
        return "List_Leq1";
    case ListId::Leq5:
        return "List_Leq5";
    case ListId::Leq10:
        return "List_Leq10";
    case ListId::Leq1h:
        return "List_Leq1h";
    case ListId::Leq8h:
        return "List_Leq8h";
    case ListId::Leq16h:
        return "List_Leq16h";
    case ListId::Event:
        return "List_event";
    }
    return "";
}

} // namespace vrd
