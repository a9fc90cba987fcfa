#pragma once

#include "engine/ConversionJob.h"

#include <string>

namespace testsupport {

// A job for a file with the passwords given; its other parts as a new job has them.
inline engine::ConversionJob JobFor(std::string path, std::string ownerPassword = {}, std::string userPassword = {})
{
    engine::ConversionJob job;
    job.path = std::move(path);
    job.ownerPassword = std::move(ownerPassword);
    job.userPassword = std::move(userPassword);
    return job;
}

} // namespace testsupport
