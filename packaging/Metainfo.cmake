# Writes the AppStream metainfo from its template. The home page, and the
# screenshot published there, are named only when the project has a home page
# to name (HB_HOMEPAGE_URL): a made-up address would send software centres and
# their users nowhere.
#
# Included by the build, or run on its own (the tests check both forms):
#   cmake -DTEMPLATE=in -DOUTPUT=out -DAPP_ID=id -DVERSION=v -DRELEASE_DATE=d
#         [-DHOMEPAGE_URL=https://…/] -P Metainfo.cmake

function(hb_write_metainfo template output app_id version release_date homepage)
  set(HB_APP_ID "${app_id}")
  set(PROJECT_VERSION "${version}")
  set(HB_RELEASE_DATE "${release_date}")
  set(HB_WEB_LINKS "")
  if(homepage)
    if(NOT homepage MATCHES "^https?://[^/ ]+")
      message(FATAL_ERROR "HB_HOMEPAGE_URL must be an http or https address, not '${homepage}'")
    endif()
    if(NOT homepage MATCHES "/$")
      string(APPEND homepage "/")
    endif()
    string(CONCAT HB_WEB_LINKS
      "  <url type=\"homepage\">${homepage}</url>\n"
      "  <screenshots>\n"
      "    <screenshot type=\"default\">\n"
      "      <caption>The main window</caption>\n"
      "      <caption xml:lang=\"ja\">メインウィンドウ</caption>\n"
      "      <image type=\"source\" width=\"672\" height=\"671\">${homepage}screenshots/main-window.png</image>\n"
      "    </screenshot>\n"
      "  </screenshots>\n")
  endif()
  configure_file("${template}" "${output}" @ONLY)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  hb_write_metainfo("${TEMPLATE}" "${OUTPUT}" "${APP_ID}" "${VERSION}" "${RELEASE_DATE}" "${HOMEPAGE_URL}")
endif()
