#pragma once
// The results window as the open commands see it: the first touch of a list loads the window if
// it is not loaded yet, exactly when the command gets there.

#include "report/results_window.h"
#include "views/report_rows.h"

#include <functional>
#include <string_view>
#include <utility>

class ResultsWindowOnDemand final : public vrd::ResultsWindow {
  public:
    // load returns the content of the loaded window, or null when the window closed itself again
    // at its load; what it would have received is then dropped.
    explicit ResultsWindowOnDemand(std::function<ReportRows*()> load) : load_(std::move(load)) {}

    void ClearList(vrd::ListId list) override { Target().ClearList(list); }
    void AddItem(vrd::ListId list, std::string_view item) override { Target().AddItem(list, item); }
    void SetLabel(vrd::LabelId label, std::string_view caption) override {
        Target().SetLabel(label, caption);
    }
    void SetCaption(std::string_view caption) override { Target().SetCaption(caption); }

  private:
    vrd::ResultsWindow& Target() {
        if (ReportRows* rows = load_())
            return *rows;
        return dropped_;
    }

    std::function<ReportRows*()> load_;
    ReportRows dropped_;
};
