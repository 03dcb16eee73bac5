#pragma once

namespace mirobanth::core {

// The vendor's addresses, kept in this one place so that a deployment points
// the framework elsewhere by changing one line each.

// Base address of the vendor's application server.
inline constexpr char APPLICATION_SERVER_URL[] = "https://apps.example.com";

// Base address of the product's static content (the website an application reports).
inline constexpr char STATIC_CONTENT_BASE_URL[] = "https://static.example.com/";

}  // namespace mirobanth::core
