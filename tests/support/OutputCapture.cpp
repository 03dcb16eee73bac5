#include "OutputCapture.h"

#include <unistd.h>

#include <iostream>

#include "TestSystem.h"

namespace mirobanth::test {

namespace {

void flushAll() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(stdout);
    std::fflush(stderr);
}

}  // namespace

OutputCapture::OutputCapture() {
    flushAll();
    redirect(out);
    redirect(err);
}

OutputCapture::~OutputCapture() {
    if (active) stop();
}

void OutputCapture::redirect(Stream& stream) {
    stream.file = system::makeTemporaryFile();
    stream.saved = dup(stream.fd);
    dup2(fileno(stream.file), stream.fd);
    stream.mode = system::rawMode(stream.fd);
}

std::string OutputCapture::restore(Stream& stream) {
    system::restoreMode(stream.fd, stream.mode);
    dup2(stream.saved, stream.fd);
    close(stream.saved);
    std::string text;
    std::rewind(stream.file);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, stream.file)) > 0) text.append(buffer, n);
    std::fclose(stream.file);
    return text;
}

CapturedOutput OutputCapture::stop() {
    flushAll();
    active = false;
    return {restore(out), restore(err)};
}

}  // namespace mirobanth::test
