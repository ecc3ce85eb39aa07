# Where the project lives on the web, sourced by the release scripts. The
# host is a placeholder until the project is published.
# The home page (package and publisher page of the manifests, the "more
# information" link of the signatures):
UMBRIX_HOMEPAGE_URL="https://example.invalid/umbrix"
# A release file's download address; {version} and {file} are filled in:
UMBRIX_DOWNLOAD_URL_PATTERN="https://example.invalid/umbrix/releases/download/v{version}/{file}"
