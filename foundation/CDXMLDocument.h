#pragma once
// A small, forgiving XML object model for the replies of the web file server: the text is split at
// tags, end tags are matched by name, and damaged input yields a partial tree, never an error.
#include <memory>
#include <vector>

#include "platform/base/CString.h"

class CDXMLNode;

// An ordered list of nodes. As a node's child list it owns them; as a search result it only refers
// to nodes of a tree that must outlive it.
class CDXMLNodeList {
 public:
  CDXMLNodeList() = default;
  CDXMLNodeList(CDXMLNodeList&&) = default;
  CDXMLNodeList& operator=(CDXMLNodeList&&) = default;
  ~CDXMLNodeList();

  int GetLength() const { return static_cast<int>(m_nodes.size()); }
  CDXMLNode* GetItem(int index) const;  // none outside the list

  void AppendOwned(std::unique_ptr<CDXMLNode> node);
  void AppendRef(CDXMLNode* node) { m_nodes.push_back(node); }

 private:
  friend class CDXMLNode;
  std::vector<CDXMLNode*> m_nodes;
  std::vector<std::unique_ptr<CDXMLNode>> m_owned;
};

class CDXMLNode {
 public:
  enum NodeType {
    ELEMENT_NODE = 1,
    ATTRIBUTE_NODE = 2,
    TEXT_NODE = 3,
    CDATA_SECTION_NODE = 4,
    COMMENT_NODE = 8,
    DOCUMENT_NODE = 9,
  };

  CDXMLNode() = default;
  CDXMLNode(const CDXMLNode&) = delete;
  CDXMLNode& operator=(const CDXMLNode&) = delete;
  virtual ~CDXMLNode();

  virtual int GetNodeType() const = 0;
  virtual void SetNodeName(const CString& name) { m_strName = name; }
  virtual CString GetNodeName() const { return m_strName; }
  virtual CString GetNodeValue() const { return m_strValue; }
  virtual bool HasChildNodes() const { return m_children.GetLength() > 0; }
  virtual void SetNodeValue(const CString& value) { m_strValue = value; }
  // Character data gives its value, a comment nothing, an element or document the joined text of
  // its children.
  virtual CString GetText() const;

  const CDXMLNodeList& GetChildNodes() const { return m_children; }
  void AppendChild(std::unique_ptr<CDXMLNode> node) { m_children.AppendOwned(std::move(node)); }

 protected:
  CDXMLNodeList m_children;
  CString m_strName;
  CString m_strValue;
};

class CDXMLCharacterData : public CDXMLNode {};

class CDXMLTextNode : public CDXMLCharacterData {
 public:
  explicit CDXMLTextNode(const CString& value);
  int GetNodeType() const override { return TEXT_NODE; }
  CString GetText() const override { return m_strValue; }
};

class CDXMLCDATASection : public CDXMLTextNode {
 public:
  explicit CDXMLCDATASection(const CString& value);
  int GetNodeType() const override { return CDATA_SECTION_NODE; }
};

class CDXMLComment : public CDXMLCharacterData {
 public:
  explicit CDXMLComment(const CString& value);
  int GetNodeType() const override { return COMMENT_NODE; }
  CString GetText() const override { return CString(); }
};

class CDXMLAttribute : public CDXMLNode {
 public:
  CDXMLAttribute(const CString& name, const CString& value);
  int GetNodeType() const override { return ATTRIBUTE_NODE; }
  CString GetText() const override { return m_strValue; }
};

class CDXMLElement : public CDXMLNode {
 public:
  int GetNodeType() const override { return ELEMENT_NODE; }

  // Every descendant element named exactly so (all of them for an empty name), depth first in
  // document order.
  CDXMLNodeList GetElementsByTagName(const CString& name = CString()) const;

  // Value of the first attribute of that name; empty when there is none.
  CString GetAttribute(const CString& name) const;

  int m_bClose = 1;  // 0 when no matching end tag was found
  std::vector<std::unique_ptr<CDXMLAttribute>> m_attributes;
};

class CDXMLDocument : public CDXMLNode {
 public:
  CDXMLDocument();
  ~CDXMLDocument() override;
  int GetNodeType() const override { return DOCUMENT_NODE; }

  // Parses the text (UTF-8 is taken to Shift JIS) and appends its root element. Always returns 1;
  // the prolog flag is accepted for callers and changes nothing.
  int LoadXmlText(const CString& text, int prologFlag = 0);
  // The first child when it is an element, else none.
  CDXMLElement* GetDocumentElement() const;
};
