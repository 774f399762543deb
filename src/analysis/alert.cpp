#include "analysis/alert.h"

#include "data/module1.h"

namespace Module1 {

namespace {
AlertWindow* alertWindow = nullptr;
}

void setAlertWindow(AlertWindow* window) {
    alertWindow = window;
}

bool ask(const std::string& question, const std::string& acceptCaption) {
    message = question;
    button = acceptCaption;
    confirmed = false;
    if (alertWindow != nullptr) {
        alertWindow->showModal();
    }
    return confirmed;
}

void notify(const std::string& notice) {
    ask(notice, "OK");
}

} // namespace Module1
