# SPDX-License-Identifier: MIT
# ZTK_SANITIZE=address builds everything with AddressSanitizer and UndefinedBehaviorSanitizer,
# ZTK_SANITIZE=thread with ThreadSanitizer.
if(ZTK_SANITIZE STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
elseif(ZTK_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
elseif(NOT ZTK_SANITIZE STREQUAL "")
    message(FATAL_ERROR "ZTK_SANITIZE must be empty, address or thread")
endif()
