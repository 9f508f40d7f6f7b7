# The winget manifests (version, installer, default locale) and the Scoop manifest of a release,
# written from the templates in packaging/manifests/ beside the files they name.
#
# write_package_manifests DIST URL VERSION: URL is the address under which the release's files
# are published. Needs product_page and support_page (use_checkout).
readonly package_description="Clicks the mouse for you, where and as often as you choose; a shortcut key starts and stops it."

# The address goes into YAML, JSON and a sed replacement: only what needs no quoting in any.
release_url_is_plain() { [[ $1 =~ ^https?://[A-Za-z0-9._~:/%+=@-]+$ ]]; }

file_sha256() { sha256sum "$1" | cut -d ' ' -f 1; }
# The product code as the installer itself carries it.
installer_product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }

write_package_manifests() {
    local dist=$1 url=${2%/} version=$3 template
    local files=$dist/Quorvel-$version
    for template in "$checkout"/packaging/manifests/*.in; do
        sed -e "s|@VERSION@|$version|g" -e "s|@RELEASE_URL@|$url|g" \
            -e "s|@PRODUCT_PAGE@|$product_page|" -e "s|@SUPPORT_PAGE@|$support_page|" \
            -e "s|@DESCRIPTION@|$package_description|" \
            -e "s|@X64_MSI_SHA256@|$(file_sha256 "$files-x64.msi")|" \
            -e "s|@X86_MSI_SHA256@|$(file_sha256 "$files-x86.msi")|" \
            -e "s|@X64_ZIP_SHA256@|$(file_sha256 "$files-x64.zip")|" \
            -e "s|@X86_ZIP_SHA256@|$(file_sha256 "$files-x86.zip")|" \
            -e "s|@X64_PRODUCT_CODE@|$(installer_product_code "$files-x64.msi")|" \
            -e "s|@X86_PRODUCT_CODE@|$(installer_product_code "$files-x86.msi")|" \
            "$template" >"$dist/$(basename "$template" .in)"
    done
}
