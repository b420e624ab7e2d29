#include "support/recording_services.h"

namespace varno::test {

MbAnswer CRecordingMessages::ShowMessage(const std::string& caption, const std::string& text,
                                         MbIcon icon, MbButtons buttons) {
    boxes.push_back({caption, text, icon, buttons});
    if (!answers.empty()) {
        MbAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == MbButtons::Ok ? MbAnswer::Ok : MbAnswer::Cancel;
}

}  // namespace varno::test
