#pragma once

#include <mirobanth/application/ApplicationExport.h>
#include <mirobanth/core/Name.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace mirobanth::application {

// One notification for the user: a wide-character message, a link it points
// to, and a level and flag that its creator sets and the library does not
// interpret. The creator fills it, hands it to Application::announce and
// deletes it; the application keeps nothing.
class MIROBANTH_APPLICATION_API Notify : public core::Name {
public:
    Notify();
    Notify(const Notify&) = default;
    Notify& operator=(const Notify&) = default;
    ~Notify() override;

    void setMessage(std::wstring message);
    void setLink(std::string link);
    void setLevel(int level);
    void setFlag(bool flag);
    std::wstring getMessage() const;
    std::string getLink() const;
    int getLevel() const;
    bool getFlag() const;

    // Writes the message as UTF-8 on standard output, silent or not.
    std::ostream& print() const;
    void announceChecking();
    void announceCancel();

private:
    std::wstring message = L"Undefined";
    std::string link = "Undefined";
    std::int32_t level = 0;
    bool flag = false;
    // Announces construction and destruction; there is no setter yet, so
    // notifications come and go quietly.
    bool traceLifecycle = false;
};

}  // namespace mirobanth::application
