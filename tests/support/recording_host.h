#pragma once
// The system services of the batch run with the notices recorded instead of
// shown; renaming stays real.
#include <string>
#include <vector>

#include "convert/batch_run.h"

namespace varnetto::testing {

struct Notice {
    std::string text;
    std::string caption;
};

class RecordingHost final : public BatchHost {
public:
    void showNotice(const Text& text, const Text& caption) override {
        notices.push_back({std::string(text.view()), std::string(caption.view())});
    }
    bool systemUsesCodePage936() override {
        return codePageIs936 ? BatchHost::systemUsesCodePage936() : false;
    }

    std::vector<Notice> notices;
    bool codePageIs936 = true;  // false pretends a system of another code page
};

}  // namespace varnetto::testing
