#pragma once

namespace mirobanth::core {

// Base address of the vendor's application server. Kept in this one place
// so that a deployment points the framework elsewhere by changing one line.
inline constexpr char APPLICATION_SERVER_URL[] = "https://apps.example.com";

}  // namespace mirobanth::core
