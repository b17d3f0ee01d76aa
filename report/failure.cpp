#include "report/failure.h"

namespace vrd {

const char* StageName(Stage stage) {
    switch (stage) {
    case Stage::Read:
        return "read";
    case Stage::Decode:
        return "decode";
    case Stage::Parse:
        return "parse";
    case Stage::Cancelled:
        return "cancelled";
    }
    return "";
}

} // namespace vrd
