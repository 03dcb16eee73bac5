#pragma once

namespace mirobanth::application {

// Base address of the product's static content (the website an application reports).
inline constexpr const char* STATIC_CONTENT_BASE_URL = "https://static.example.com/";

}  // namespace mirobanth::application
